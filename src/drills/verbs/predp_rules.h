#pragma once

#include "../content_check.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace vz {

// One row of the separable prefix drill: a sentence with two slots and two
// pieces, red and blue, that belong into them.
struct PredpRow {
    QString before;  // text before slot 1
    QString between; // text between the slots
    QString after;   // text after slot 2
    QString red;
    QString blue;
    std::array<QString, 2> solution; // what slot 1 and slot 2 hold; "" when empty
};

// The rules of the separable prefix drill, without widgets.
namespace predp {

inline constexpr int kLinesPerExample = 2;

// Where a piece lies: at the left of its row, or in slot 1 or slot 2.
enum class Place { Home = 0, Slot1 = 1, Slot2 = 2 };

struct Placement {
    Place red = Place::Home;
    Place blue = Place::Home;
    bool operator==(const Placement&) const = default;
};

// Splits a sentence line (before|between|after) and a solution line
// (red$blue|slot 1|slot 2) into trimmed fields; "-" is an empty slot.
PredpRow parseExample(const QString& sentenceLine, const QString& solutionLine);

// Examples on the next page: 10, or 5 when fewer than 10 are left.
int pageSize(int examplesLeft);

// The texts the pieces show where they lie. When the sentence begins with
// slot 1, a piece there gets a capital first letter; with both pieces there
// the red one is capitalised and the blue one written in lower case (a ... z).
struct ShownPieces {
    QString red;
    QString blue;
};
ShownPieces shownPieces(const PredpRow& row, const Placement& placement);

// What slot 1 or 2 holds: the red piece placed there followed directly by
// the blue one, as shown.
QString slotContent(const PredpRow& row, const Placement& placement, int slot);
// Right when both slots hold exactly their solutions (letter case counts).
bool isRight(const PredpRow& row, const Placement& placement);
// A placement with both pieces in slots that builds the solution, if any.
std::optional<Placement> solutionPlacement(const PredpRow& row);

// The correct sentence for the answer window.
QString answerSentence(const PredpRow& row);

// The layout of a row as plain arithmetic on pixel widths.
// A slot at `left` holding pieces of these widths (none: the piece is not there).
struct SlotLayout {
    int left = 0;
    int width = 0;
    int redLeft = 0;
    int blueLeft = 0;
};
SlotLayout layoutSlot(int left, std::optional<int> redWidth, std::optional<int> blueWidth);

struct RowLayout {
    SlotLayout slot1;
    int middleLeft = 0;
    SlotLayout slot2;
    int afterLeft = 0;
};
struct SlotPieces {
    std::optional<int> red;
    std::optional<int> blue;
};
// Slot 1 right of the text before, the text between right of slot 1, slot 2
// right of it, the text after right of slot 2.
RowLayout layoutRow(int beforeLeft, int beforeWidth, int middleWidth, SlotPieces inSlot1,
                    SlotPieces inSlot2);

// Where the two pieces lie on the left of the row: side by side, centred on 83.
struct HomeLefts {
    int red = 0;
    int blue = 0;
};
HomeLefts homeLefts(int redWidth, int blueWidth);

// The font size of a row's texts: from 16 pixels down while the whole line
// measured at that size (`lineWidth`) + 25 reaches 419 pixels; 8 at least.
int sentenceFontSize(const std::function<int(int pixelSize)>& lineWidth);
// The text whose width decides the font size: the sentence, both solutions
// and four spaces.
QString measuredLine(const PredpRow& row);

// The faults of a section: fields missing or too many, pieces not written
// "red$blue", an empty slot not written "-", a solution that the two pieces
// cannot build, a repeated example.
ContentProblems checkExamples(const QStringList& body);

} // namespace predp
} // namespace vz
