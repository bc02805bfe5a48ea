#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

namespace vz {

// One row of the odd-one-out drill: four words, one of which does not
// belong, and a sentence whose blank takes one of the other three.
struct OddRow {
    std::array<QString, 4> words; // in the order shown
    QString oddWord;
    QString textBefore;
    QString textAfter;
    QString blankWord;
};

namespace skupiny {

inline constexpr int kPageSize = 5;

// A group header "odd|w2|w3|w4" and one of its sentence lines "@before|after#blank".
OddRow parseExample(const QString& headerLine, const QString& sentenceLine);

// True for the lines that are examples (sentence lines).
inline bool isSentenceLine(const QString& line) {
    return line.trimmed().startsWith('@');
}

// The groups that have a sentence line: the most rows a page can show
// without a group coming twice.
int groupCount(const QStringList& section);

// Deals a page: `count` sentence lines not used yet, from different groups
// where the section allows, with their words shuffled. Sentence lines that
// were used come again only when no fresh ones are left; a section that
// cannot fill a page raises "Cannot open file". Returns the rows and adds
// the sentence lines' indices to `page`.
QVector<OddRow> dealPage(const QStringList& section, int count, const TLChSet& used, TLChSet& page,
                         QRandomGenerator& random, const QString& sectionName);

// A row is right when the crossed word is the odd one (letters a ... z in
// any case) and the blank holds the blank word exactly.
bool isRight(const OddRow& row, const QString& crossedWord, const QString& blankText);

// The two lines of the answer window.
QString answerFirstLine(const OddRow& row);
QString answerSecondLine(const OddRow& row);

ContentProblems checkExamples(const QStringList& body);

} // namespace skupiny
} // namespace vz
