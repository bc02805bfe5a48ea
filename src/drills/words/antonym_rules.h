#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vz {

// One row of the antonym drill: a word and a second word that is or is not
// its antonym.
struct AntonymRow {
    QString word;
    QString shown;
    QString antonym; // the true antonym; several accepted ones separated by "/"
    bool isPair = false;
};

// The state of a row's switch.
enum class AntonymSwitch { Unset, Yes, No };

namespace antonym {

// "word|antonym"; the antonym is everything after the first "|".
AntonymRow parseLine(const QString& line);

// Deals a page: between 2 and size - 1 true pairs, the others paired with
// the antonym of another line, never with a word that is the row's own
// antonym after all; then the rows are shuffled. Draws from `section` as
// every drill does (no repeats of `used`, no endless search).
QVector<AntonymRow> dealPage(const QStringList& section, int size, const TLChSet& used,
                             TLChSet& page, QRandomGenerator& random, const QString& sectionName);

// Right when the switch says yes to a true pair, or no to a false pair with
// the antonym typed (spaces at both ends forgiven, letter case not).
bool isRight(const AntonymRow& row, AntonymSwitch choice, const QString& typed);

// The sentence the answer window shows for a wrong row.
QString answerText(const AntonymRow& row);

ContentProblems checkExamples(const QStringList& body);

} // namespace antonym
} // namespace vz
