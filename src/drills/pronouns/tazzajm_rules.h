#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vz {

// One row of the interrogative pronoun drill: a statement with one part
// asked about, and the question about it whose first word is missing.
struct QuestionRow {
    QString statement; // the group's header line: tokens separated by "|"
    QString questionWord;
    QString questionRest;
    int askedPart = 0;
};

// A piece of the statement as the row shows it.
struct StatementToken {
    QString text;
    bool asked = false;    // the part the question asks about (shown in red)
    bool attached = false; // a punctuation mark right at the piece before it
};

namespace tazzajm {

inline constexpr int kPageSize = 5;

// A group header ("Ich|besuche|&1morgen|&2meine Oma|.", "&N" marks a part
// that can be asked about) and one of its questions ("@2 Wen|besuchst du morgen?").
QuestionRow parseExample(const QString& headerLine, const QString& questionLine);

QVector<StatementToken> statementTokens(const QuestionRow& row);

// Deals a page of `count` questions from different statements where the
// section allows; questions already used come again only when no fresh
// ones are left, and a section that cannot fill a page raises "Cannot open
// file". Adds the questions' line indices to `page`.
QVector<QuestionRow> dealPage(const QStringList& section, int count, const TLChSet& used,
                              TLChSet& page, QRandomGenerator& random, const QString& sectionName);

// Right when the typed word, without spaces at both ends and with a ... z in
// any case, is the question word.
bool isRight(const QuestionRow& row, const QString& typed);

// The questions of a section: its examples.
int exampleCount(const QStringList& body);

ContentProblems checkExamples(const QStringList& body);

} // namespace tazzajm
} // namespace vz
