#pragma once

#include "../content_check.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vz {

// One row of the time preposition drill: a model sentence and a sentence
// with one or two blanks for the prepositions (with their article where one
// belongs to them).
struct TimeRow {
    QString Pattern;
    QString TextBefore;
    QString TextMiddle; // between the blanks; empty with one blank
    QString TextAfter;
    QString Answer1;
    QString Answer2; // a single space with one blank, never asked for
    bool TwoBlanks = false;
};

// The rules of the time preposition drill (game 4a), without widgets.
namespace predl {

inline constexpr int kLinesPerExample = 3;
inline constexpr int kPageSize = 5;
// The model sentence shrinks while it is this wide or wider.
inline constexpr int kPatternWidth = 483;
// The exercise sentence with its blanks fits this width.
inline constexpr int kSentenceWidth = 482;

// Reads a record: model sentence, "before|after" or "before|middle|after",
// the answers ("answer" or "first,second").
TimeRow parseExample(const QStringList& lines);

// A blank is right when its text, without spaces at both ends and with
// a ... z in any case, is the answer.
bool blankIsRight(const QString& answer, const QString& typed);
// Every blank of the row must be right; `second` counts with two blanks only.
bool isRight(const TimeRow& row, const QString& first, const QString& second);
// The sentence with its prepositions, as the answer window shows it.
QString answerSentence(const TimeRow& row);

// Pages are counted at continuing: what is left after one, never below 0.
int examplesAfterPage(int examplesLeft);

// The text whose width decides the sentence font: the texts around the
// blanks, two spaces for each blank.
QString measuredSentence(const TimeRow& row);
// The sentence font: 16 pixels, smaller (8 at least) while the measured
// sentence (`width` at a size) is wider than `limit`.
int sentenceFontSize(const std::function<int(int pixelSize)>& width, int limit);

// The faults of the section: a record not of three lines, a sentence whose
// blanks do not match its answers, an empty answer, text missing before the
// first blank or between two blanks, a repeated sentence.
ContentProblems checkExamples(const QStringList& body);

} // namespace predl
} // namespace vz
