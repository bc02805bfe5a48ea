#pragma once

#include "../content_check.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace vz {

// One sentence of the word order drill, as its line gives it: the words in
// their right order, some of them fixed in place.
struct OrderSentence {
    QStringList words;
    QVector<bool> fixed; // fixed[i]: word i never moves
    QString correct;     // the words joined into the sentence
};

// The rules of the word order drill, without widgets.
namespace poradek {

inline constexpr int kRows = 10;
inline constexpr int kRowLeft = 88;   // where the first word of a row stands
inline constexpr int kRowWidth = 466; // the words with their gaps fit in this
inline constexpr int kWordGap = 4;

// Splits a line at every "|"; a word written "&word" is fixed.
OrderSentence parseExample(const QString& line);

// A punctuation mark (",", ".", "!" or "?") opens the word, which then
// follows the word before it without a gap.
bool startsWithPunctuation(const QString& word);
// The words as a sentence: one space before each word that is not
// punctuation, no space at either end.
QString joinWords(const QStringList& words);

// The words of a row in their screen order. Only movable words change
// places, and only two at a time.
class WordOrder {
public:
    WordOrder() = default;
    explicit WordOrder(const OrderSentence& sentence);

    // 5 ... 19 swaps of two different movable words; fixed words stay. A
    // sentence with fewer than two movable words stays as it is.
    void scramble(QRandomGenerator& random);
    // Exchanges words `a` and `b`; false (and nothing changes) unless both
    // are movable and they are two different places.
    bool swap(int a, int b);

    int size() const { return int(shown.size()); }
    const QStringList& words() const { return shown; }
    bool isFixed(int i) const { return fixed.value(i, true); }
    int movableCount() const { return int(fixed.count(false)); }

    // Right only when the words read exactly the sentence, letter case
    // included; two equal words in each other's place do not matter.
    bool isRight() const { return joinWords(shown) == correct; }
    const QString& correctSentence() const { return correct; }
    const QStringList& rightOrder() const { return right; }

private:
    QStringList right;
    QStringList shown;
    QVector<bool> fixed;
    QString correct;
};

// How wide a text is at a font size in pixels.
using Measure = std::function<int(const QString& text, int pixelSize)>;

// The largest size from 16 down to 8 pixels at which the words written
// together, with a gap between each two, are no wider than kRowWidth.
int fittingSize(const QStringList& words, const Measure& measure);

// Where each word stands: the first at kRowLeft, each next one after the one
// before it, 4 pixels further unless it is punctuation.
QVector<int> wordLefts(const QStringList& words, int size, const Measure& measure);

// The word of the row a swap from word `source` is released on: the first
// movable word other than the source whose rectangle, edges included, holds
// `at`; -1 when there is none.
int dropTarget(const QVector<QRect>& wordRects, const WordOrder& order, int source, QPoint at);

// Examples on the next page: 10, or 5 when fewer than 10 are left.
int pageSize(int examplesLeft);

// The faults of a section: an empty word, a word with spaces at its ends,
// punctuation inside a word, fewer than two different movable words (the
// row could not be scrambled), a repeated sentence.
ContentProblems checkExamples(const QStringList& body);

} // namespace poradek
} // namespace vz
