#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <optional>

namespace vz {

// The sorting drills: nine words on chips that the pupil drags from a pool
// into columns of seven slots. Games 3a and 7a sort into three columns
// (cleny below), game 4d into two (predl2_rules.h); both share this board.
namespace sorting {

inline constexpr int kChips = 9;
inline constexpr int kSlotRows = 7;

// A place on the board: a slot (column from 1, row 1 ... 7) or the pool.
struct Place {
    int column = 0; // 0: the pool
    int row = 0;
    bool inPool() const { return column == 0; }
    friend bool operator==(const Place&, const Place&) = default;
};

// Where a sorting form has its slots, marks and chips (form coordinates).
struct Layout {
    QVector<int> slotLefts; // one per column
    int slotWidth = 0;
    QVector<int> markLefts; // one per column
    int chipWidth = 0;
    int textLimit = 0; // the widest text a chip shows, in pixels
    std::array<QPoint, kChips> homes;

    int columns() const { return int(slotLefts.size()); }
    // Slot rows lie 32 pixels apart from y 130, 30 pixels high.
    QRect slotRect(Place slot) const;
    QPoint markPosition(Place slot) const;
};

// Where the nine chips of a page lie (chips count from 1).
class Board {
public:
    explicit Board(Layout layout) : geometry(std::move(layout)) {}

    const Layout& layout() const { return geometry; }
    // Every chip back in the pool, every slot free.
    void clear() { places.fill(Place{}); }
    Place placeOf(int chip) const { return places[chip - 1]; }
    // The chip in a slot; 0 when the slot is free.
    int chipIn(Place slot) const;
    // The free slot whose rectangle holds `at`, edges included. Slot 1 of
    // every column is tried first, then slot 2, and so on.
    std::optional<Place> dropTarget(QPoint at) const;
    // A chip released at `at` goes into the drop target, or back into the
    // pool when there is none: an occupied slot, also its own, is no target.
    // Its old slot is freed either way. Returns the chip's new place.
    Place drop(int chip, QPoint at);
    // Where the chip lies: its home in the pool, or 5 pixels into its slot.
    QPoint restingPlace(int chip) const;

private:
    Layout geometry;
    std::array<Place, kChips> places{};
};

// What tells the games of a drill apart: their column sections and the
// answer window's text.
struct Game {
    QStringList suffixes;         // of the column sections' headers ("-der" ...)
    int maxPerColumn = kSlotRows; // the most words a page gives one column
    QString answerStart;
    QStringList answerEnds; // one per column
};

// A game's column sections. Examples are numbered across the game (a line's
// index plus the lines of the sections before it), so that the used
// examples of all columns fit into one set.
struct Deck {
    QStringList headers;
    QVector<QStringList> sections;
    int firstIndex(int column) const;
};

// Reads the section "[" + group + letter + suffix + "]" of every column;
// raises "Cannot open file" when one is missing.
Deck readDeck(const QStringList& data, int group, QChar letter, const Game& game);

// A dealt page: the words of each column (ColumnWords) and each chip's word.
struct Page {
    QVector<QStringList> columnWords;
    std::array<QString, kChips> chipWords;
};

// Deals a page: column c gets counts[c - 1] words of its section, different
// ones, fresh before used; the nine words go onto the chips in random
// order, and their indices into `page`. A section with fewer usable lines
// than `maxPerColumn` raises "Cannot open file", whatever this page needs,
// so short content fails at once instead of on an unlucky page.
Page dealPage(const Deck& deck, const QVector<int>& counts, int maxPerColumn, const TLChSet& used,
              TLChSet& page, QRandomGenerator& random);

// A word in a slot is right when the list of the slot's column holds it
// (letter case ignored); a word left in the pool is wrong.
bool isRight(const Page& page, const QString& word, Place place);

// The answer window: start + word + the ending of the first column whose
// list holds the word (the last column when none of the others does).
QString answerText(const Game& game, const Page& page, const QString& word);

// The font size, from 16 down, at which a chip's text is at most `limit`
// pixels wide (`textWidth` measures it at a size); 10 when none fits.
int chipFontSize(const std::function<int(int size)>& textWidth, int limit);

// ExamplesLeft after a checked page of nine.
int examplesAfterPage(int left);

// The checks every column section shares: no spaces around a word, no word
// longer than `maxChars` (it would shrink below a readable size on its
// chip), no repeated word, at least `minWords` words; `lineFault` names what
// else is wrong with a line (empty when nothing).
ContentProblems checkColumn(const QStringList& body, int minWords, int maxChars,
                            const std::function<QString(const QString& line)>& lineFault);

// Words that stand in two column sections of a game (they would be right in
// either column); a check of the whole game, beyond one section.
QStringList wordsInTwoColumns(const Deck& deck);

} // namespace sorting

// Gender and kein/nicht sorting (games 3a and 7a): three columns.
namespace cleny {

const sorting::Layout& layout();
// Game 3a (group 3): der, die, das; game 7a (group 7): kein, keine, nicht.
const sorting::Game& game(int group);

// How many words each column gets: nine in all, none more than seven, and
// a column may get none.
QVector<int> splitNine(QRandomGenerator& random);

// Sections of 3a: one noun a line, capitalised, without its article.
ContentProblems checkNouns(const QStringList& body);
// Sections of 7a: a word or phrase that does not hold a negation itself,
// with at most one gap "...".
ContentProblems checkNegationPhrases(const QStringList& body);

} // namespace cleny
} // namespace vz
