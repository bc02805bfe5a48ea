#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace vz {

// A clock of the page: the time its hands show and the wording dealt for it.
struct ClockExample {
    int Hours = 0;
    int Minutes = 0;
    QString Answer;
};

// The rules of the formal clock drill (game 6c), without widgets. A content
// line tells one time: "hours.minutes|wording|wording ...", every wording
// one a teacher accepts for that clock ("8.15|acht Uhr fünfzehn|zwanzig Uhr
// fünfzehn").
namespace hod {

inline constexpr int kClocks = 5;
inline constexpr int kTiles = 2 * kClocks; // the right wordings and as many of other lines

struct TimeLine {
    int hours = 0;
    int minutes = 0;
    QStringList wordings; // trimmed, in the order of the line
};
// The parts of a line; nothing when its shape is wrong, a wording is empty,
// or the hour (0 ... 23) or the minute (0 ... 59) is out of range.
std::optional<TimeLine> parseLine(const QString& line);

// One wording of a line, each equally likely; no draw when there is one.
QString pickWording(const QString& line, QRandomGenerator& random);

// Where the hands point, in degrees clockwise from 12 o'clock. The hour hand
// moves on between the hours as on a real clock.
struct HandAngles {
    double hour = 0;
    double minute = 0;
};
HandAngles handAngles(int hours, int minutes);

// A dealt page: five clocks from five lines, and ten tiles holding their
// wordings and those of five further lines, shuffled.
struct Page {
    std::array<ClockExample, kClocks> clocks;
    std::array<QString, kTiles> tiles;
};
// Draws ten different lines of `section` (all of them go into `page`);
// raises "Cannot open file" (naming `sectionName`) when the section cannot
// fill a page or a drawn line cannot be read.
Page dealPage(const QStringList& section, const TLChSet& used, TLChSet& page,
              QRandomGenerator& random, const QString& sectionName);

// Where the wordings of a page lie: on the tiles of the column or on the
// labels of the clocks. An empty text is a hidden tile or an empty label.
class Board {
public:
    explicit Board(const std::array<QString, kTiles>& tiles = {}) : tiles(tiles) {}

    const QString& tile(int k) const { return tiles[k - 1]; }   // k = 1 ... 10
    const QString& label(int k) const { return labels[k - 1]; } // k = 1 ... 5

    // Tile `tile` dropped on label `label`: a wording already there goes
    // back first, then the label takes the tile's wording and the tile hides.
    void drop(int tile, int label);
    // The label's wording goes back to the first hidden tile.
    void giveBack(int label);

private:
    std::array<QString, kTiles> tiles;
    std::array<QString, kClocks> labels;
};

// Right when the label holds exactly the clock's wording.
bool isRight(const ClockExample& clock, const QString& placed);

// Font size of a tile: from 16 pixels down while the text (`textWidth` at a
// size) is 231 pixels wide or more; 8 at least.
int tileFontSize(const std::function<int(int pixelSize)>& textWidth);

// The formal wordings of a time on a twelve-hour face: the hour read as
// before and after noon ("acht Uhr fünfzehn", "zwanzig Uhr fünfzehn").
QStringList formalWordings(int hours, int minutes);

// The faults of a section: a line not "hours.minutes|wording|...", an hour
// or minute out of range, a wording that does not tell the line's time, a
// time whose face another line shows too, fewer lines than a page needs.
ContentProblems checkExamples(const QStringList& body);

} // namespace hod
} // namespace vz
