#pragma once

#include <QString>
#include <QStringList>

namespace vz::answers {

// The letters a ... z made capital; umlauts, ß and every other letter stay as
// they are, so "Äpfel" and "äpfel" still differ.
QString foldAtoZ(const QString& text);

// The accepted forms of an answer that lists several separated by "/".
QStringList alternatives(const QString& answer);

// True when `typed`, without spaces at both ends, is one of the accepted
// forms: exactly, or with a ... z folded when `foldCase` is set.
bool matchesOneOf(const QString& typed, const QString& answer, bool foldCase);

// The answer as the answer window writes it inside its sentence: whole, in
// square brackets when it lists several forms.
QString shownAnswer(const QString& answer);

// The text after a gap as the row shows it: a space first, unless it begins
// with a punctuation mark, which follows the gap directly ("… an.").
QString spacedAfterGap(const QString& after);

// The row's sentence with the answer in its gap, as the answer window shows it.
QString sentenceWithAnswer(const QString& before, const QString& answer, const QString& after);

} // namespace vz::answers
