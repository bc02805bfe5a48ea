#pragma once

#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <array>

namespace vz {

// One row of the modal verb drill: an optional line that sets the scene, a
// sentence with one gap, the accepted forms and a note on the meaning.
struct ZpusobRow {
    QString intro;
    QString before;
    QString after;
    QString answer; // one form, or several separated by "/"
    QString note;
};

// The rules of the modal verb drill, without widgets.
namespace zpusob {

inline constexpr int kLinesPerExample = 2;
inline constexpr int kPageSize = 5;
inline constexpr int kVerbCount = 6;
inline constexpr int kFormsPerVerb = 4;

// The four forms of each verb, in the order the verb labels stand.
using VerbForms = std::array<QStringList, kVerbCount>;

// The six verbs under the sentences, left to right.
const std::array<QString, kVerbCount>& verbs();
// The four present-tense forms each verb offers (the only forms a gap takes).
const VerbForms& presentForms();

// The section holding the verbs' forms: "[1c-slovesa]" for game 1c.
QString formsSectionHeader(int group, QChar letter);

// Splits a sentence line ([intro "$"] before "|" after ["#" note]) and an
// answer line (unused "|" answer). Before, after and answer are trimmed.
ZpusobRow parseExample(const QString& sentenceLine, const QString& answerLine);

// The forms of the six verbs: each line skips two characters ("1 ") and
// splits the rest at "|". Always six lists of four; what is missing is empty.
VerbForms parseVerbForms(const QStringList& body);
// Every verb's forms in a random order, each order equally likely.
void shuffleForms(VerbForms& forms, QRandomGenerator& random);

// A gap starts a sentence when nothing stands before it or the text before
// ends with "!", "." or "?".
bool startsSentence(const QString& before);
// What a form dropped into a gap reads: with a capital first letter (a ... z
// only) when the gap starts a sentence.
QString droppedText(const QString& form, const QString& before);

// The accepted forms of an answer ("soll/muss" accepts both).
QStringList acceptedForms(const QString& answer);
// Right when the gap holds an accepted form; the case of a ... z does not
// count, accented letters and umlauts do. An empty gap is wrong.
bool isRight(const ZpusobRow& row, const QString& gapText);

// The upper line of the answer window: the whole sentence with the answer
// in the gap, several forms shown as "[soll/muss]".
QString answerText(const ZpusobRow& row);

// Examples still to come once a page is done (never below zero).
int examplesAfterPage(int examplesLeft);

// The faults of the example section: a pair of lines of the wrong shape, a
// sentence without exactly one gap, an answer that is not one of the 24
// forms, a repeated example.
ContentProblems checkExamples(const QStringList& body);
// The faults of the forms section: not six lines, a line out of order, a
// verb without exactly its four forms.
ContentProblems checkVerbForms(const QStringList& body);

} // namespace zpusob
} // namespace vz
