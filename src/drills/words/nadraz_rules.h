#pragma once

#include "../content_check.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>

namespace vz::nadraz {

inline constexpr int kRows = 6;
inline constexpr int kChips = 12;
// At most this many chips of one row are dealt on a page.
inline constexpr int kMostPerRow = 6;
// With this many words in every group any six rows can hold a page's chips.
inline constexpr int kLeastGroupWords = kChips / kRows;

// The game's content: the superordinate words of the main section and, for
// each of them, the subordinate words of its own section.
struct Content {
    QStringList groups;
    QVector<QStringList> words; // words[g] belong to groups[g]
};

// The section of group `group` of the game whose main section is
// `mainHeader`: "[7d]" and "Obst" give "[7d-Obst]".
QString groupHeader(const QString& mainHeader, const QString& group);

// Reads the main section and the section of each of its words (comments and
// empty lines left out). Raises "Cannot open file" when one is missing.
Content readContent(const QStringList& data, const QString& mainHeader);

// The subordinate words of the whole game: the examples it can deal.
int exampleCount(const Content& content);

// For each group, the words that have been on a checked page; they are not
// dealt again in the same game while fresh words can fill a page.
using ShownWords = QVector<QSet<int>>;

struct Chip {
    QString word;
    int row = 0;   // 1 ... kRows
    int group = 0; // index in Content::groups
    int index = 0; // index in the group's words
};

struct Page {
    std::array<int, kRows> groups{};         // the group of each row
    QVector<Chip> chips;                     // chip 1 at index 0
    std::array<QStringList, kRows> rowWords; // each row's words, in dictionary order
};

// Deals a page: six different groups and twelve chips, at most six of one
// row, none shown on a checked page while fresh words can fill the page.
// Rows whose groups cannot add a word are exchanged for groups that can, so
// the drawing always ends; content that cannot fill a page at all raises
// "Cannot open file" (naming `sectionName`).
Page dealPage(const Content& content, const ShownWords& shown, QRandomGenerator& random,
              const QString& sectionName);

// After a check: the page's words are not dealt again in this game.
void markShown(const Page& page, ShownWords& shown);

// German dictionary order: letter case and diacritics count only to break ties.
QStringList dictionaryOrder(QStringList words);

// The first drop area (row 1 ... kRows) whose rectangle, edges included,
// holds `at`; 0 when none does.
int dropRow(const std::array<QRect, kRows>& areas, QPoint at);

// Which chips (1 ... kChips) lie in which row, in the order they were
// dropped there; every other chip is in the pool. A chip is in one place only.
class Placement {
public:
    void clear();
    // Puts `chip` at the end of `row`, taking it from wherever it was.
    void place(int row, int chip);
    // Takes the word at `position` (from 0) out of `row`; the words after it
    // close the gap. Returns its chip, 0 when there is none.
    int take(int row, int position);
    const QVector<int>& chipsIn(int row) const { return rows[row - 1]; }
    int rowOf(int chip) const; // 0 for the pool
    QVector<int> pool() const;

private:
    std::array<QVector<int>, kRows> rows;
};

// A row is right when its words are exactly the page's words of that row
// (none placed on a row without words is right too). Either way each placed
// word that belongs there is a right answer and each foreign one a wrong one.
struct RowVerdict {
    bool right = false;
    int rightWords = 0;
    int wrongWords = 0;
};
RowVerdict judgeRow(const QStringList& rowWords, const QStringList& placedWords);

// What the answer window shows for a wrong row.
QString answerText(const QStringList& rowWords);
inline const QString kNoSubordinateWords =
    QStringLiteral("K danému nadradenému slovu neexistujú podradené slová.");

// The words of a row laid out from `left`: each but the last followed by
// ",", each 4 pixels right of the one before, all at the largest size from
// 16 down to 8 pixels at which they end within `width`. Words too long even
// at 8 pixels are laid out at 8 and do not fit.
using Measure = std::function<int(const QString& text, int pixelSize)>;
struct WordsLayout {
    int size = 16;
    bool fits = true;
    QStringList captions;
    QVector<int> lefts;
};
WordsLayout layoutWords(const QStringList& words, int left, int width, const Measure& measure);

// The main section: one superordinate word a line, at least six, no comments.
ContentProblems checkExamples(const QStringList& body);
// A group section: one subordinate word a line, enough for a page's share.
ContentProblems checkGroupWords(const QStringList& body);
// Across the sections of a game: a group without its section, a word that
// belongs to two groups (its chip would be right in two rows).
QStringList checkContent(const QStringList& data, const QString& mainHeader);

} // namespace vz::nadraz
