#pragma once

#include "../content_check.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vz {

// One row of the possessive pronoun drill: a sentence that tells whose
// something is, and a sentence with a blank for the possessive pronoun,
// built from a stem and, where needed, an ending.
struct PronounRow {
    QString Context;
    QString TextBefore;
    QString TextAfter;
    QString Stem;
    QString Ending; // empty when the content writes "-"
};

// The rules of the possessive pronoun drill (game 2b), without widgets.
namespace przajm {

inline constexpr int kLinesPerExample = 3;
inline constexpr int kPageSize = 5;

// The palette as its labels read: six stems, five endings with their "-".
const QStringList& paletteStems();
const QStringList& paletteEndings();

// Reads a record: context, "before|after", "stem|ending" ("-" for none).
PronounRow parseExample(const QStringList& lines);

// What the blank of a row shows: a stem and an ending, each empty when
// nothing lies there.
struct Blank {
    QString stem;
    QString ending;
    bool operator==(const Blank&) const = default;
};

// A palette stem dropped on the blank replaces its stem. Before an ending
// "euer" loses its second "e"; where the sentence begins with the blank the
// stem gets a capital.
Blank withStem(const PronounRow& row, Blank blank, const QString& stem);
// A palette ending ("-em") dropped on the blank replaces its ending (without
// the "-"); an "euer" standing there becomes "eur".
Blank withEnding(Blank blank, const QString& paletteEnding);
// A placed stem or ending clicked away; an "eur" left without its ending
// reads "euer" again.
Blank withoutStem(Blank blank);
Blank withoutEnding(Blank blank);

// Right when stem and ending together are the content's, a ... z in any case.
bool isRight(const PronounRow& row, const Blank& blank);
// The sentence with the pronoun, as the answer window shows it.
QString answerSentence(const PronounRow& row);

// Pages are counted when dealt, a fresh deal by "new" too: what is left
// after one more page, never below 0.
int examplesAfterDeal(int examplesLeft);

// Where the stem begins so that stem and ending stand centred in the blank.
int contentLeft(int blankLeft, int blankWidth, int stemWidth, int endingWidth);

// The blank is as wide as this text in the sentence font, plus 12.
QString blankMeasure();
// The sentence font: 16 pixels, smaller (8 at least) while the sentence
// with its blank (`lineWidth` at a size) is wider than `limit`.
int sentenceFontSize(const std::function<int(int pixelSize)>& lineWidth, int limit);

// The faults of the section: a record not of three lines of the right
// shape, a stem or an ending the palette does not offer, "euer" with an
// ending or "eur" without one, a capital that does not match the place of
// the blank, a repeated sentence with the same answer.
ContentProblems checkExamples(const QStringList& body);

} // namespace przajm
} // namespace vz
