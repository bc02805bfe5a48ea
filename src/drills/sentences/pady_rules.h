#pragma once

#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace vz {

// One row of the case drill: a sentence with a blank and two forms on two
// buttons under it, one of them right. The forms are kept with one space
// before and after, as the blank shows them.
struct CaseRow {
    QString TextBefore;
    QString TextAfter;
    QString RightOption;
    QString OtherOption;
    bool rightOnLeft = true;

    QString LeftCaption() const { return rightOnLeft ? RightOption : OtherOption; }
    QString RightCaption() const { return rightOnLeft ? OtherOption : RightOption; }
};

// The rules of the case drill, without widgets.
namespace pady {

inline constexpr int kLinesPerExample = 6; // the sentence and five pairs of forms
inline constexpr int kOptionLines = 5;
inline constexpr int kPageSize = 5;
// What the blank shows until a form is chosen.
inline const QString kEmptyBlank = QStringLiteral("   ...   ");

// A row from the sentence line ("before|after") and one option line
// ("right|wrong"); the right form goes on the left button when `rightOnLeft`.
CaseRow parseExample(const QString& sentenceLine, const QString& optionLine, bool rightOnLeft);

// A row from an example's six lines: one of its five option lines at
// random, the right form on the left button when a random real number in
// [0, 1) is at least 0.5.
CaseRow dealRow(const QStringList& exampleLines, QRandomGenerator& random);

// Right when the blank, without its spaces, holds exactly the right form; a
// blank never filled is wrong.
bool isRight(const CaseRow& row, const QString& blankText);

// A punctuation mark at the start of the text after the blank follows the
// blank without a gap.
bool startsWithPunctuation(const QString& text);

// The sentence with the right form in the blank, for the answer window.
QString answerText(const CaseRow& row);

// Examples still to come once a page is done (never below zero).
int examplesAfterPage(int examplesLeft);

// The faults of a section: a record cut short, a sentence line that is not
// "before|after", an option line that is not two different forms, the same
// option line twice in a record, a repeated sentence.
ContentProblems checkExamples(const QStringList& body);

} // namespace pady
} // namespace vz
