#pragma once

#include "cleny_rules.h"

namespace vz::predl2 {

// Wo/wohin sorting (game 4d): the two-column twin of the sorting drill;
// phrases of the "wohin" group go to the left column, of the "wo" group to
// the right one.

const sorting::Layout& layout();
const sorting::Game& game();

// How many phrases each column gets: nine in all, three to six each.
QVector<int> splitNine(QRandomGenerator& random);

// Sections of 4d: a phrase that begins with a two-way preposition and, in
// the "-wohin" section, holds no dative form; in "-wo", no accusative form.
ContentProblems checkWohin(const QStringList& body);
ContentProblems checkWo(const QStringList& body);

} // namespace vz::predl2
