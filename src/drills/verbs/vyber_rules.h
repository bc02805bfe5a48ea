#pragma once

#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <array>

namespace vz {

// One row of the choose-the-form drill: a sentence with a gap and three
// offered forms, one of them correct.
struct VyberRow {
    QString before;
    QString after;
    std::array<QString, 3> offered; // in the order shown
    QString correct;
};

// The rules of the choose-the-form drill, without widgets.
namespace vyber {

inline constexpr int kLinesPerExample = 2;

// Splits a sentence line and a choice line into trimmed fields. Missing
// fields are empty; the correct form is the choice line's first field.
VyberRow parseExample(const QString& sentenceLine, const QString& choiceLine);

// Shows the three forms in one of the six orders, each equally likely: r in
// 0 ... 2 picks the form shown first, a coin keeps or swaps the other two.
void shuffleForms(VyberRow& row, QRandomGenerator& random);

// A gap is right when it holds exactly the correct form; an empty gap is wrong.
bool isRight(const VyberRow& row, const QString& gapText);

// Examples on the next page: 10, or 5 when fewer than 10 are left.
int pageSize(int examplesLeft);

// The faults of a section: a pair of lines without its two and three fields,
// an empty form, a wrong form equal to the right one, a repeated sentence, and
// a contraction such as "zum" offered right before an article ("zum den"),
// which a pupil rules out without knowing the grammar.
ContentProblems checkExamples(const QStringList& body);

} // namespace vyber
} // namespace vz
