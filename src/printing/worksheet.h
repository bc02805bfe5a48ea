#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>
#include <stdexcept>

namespace vz {
struct GameInfo;
}

namespace vz::printing {

// Where a task has a write-in line. The renderer draws the line there and
// lists the item's choices right after it.
inline constexpr QChar kGap = QChar(0xE000);

// One numbered example of a worksheet.
struct WorksheetItem {
    QString task;        // as printed, with kGap for each write-in line
    QStringList choices; // offered forms, listed beside the first gap
    QString answer;      // what belongs in the gap
    QString key;         // the solved line of the answer key

    // What some games add to the plain line of text:
    int gapLength = 10;    // characters of each write-in line
    bool crossOut = false; // the choices are words set out in columns after
                           // the task, one of them to be crossed out
    QTime clock;           // when valid: a clock face showing this time,
                           // the task under it
    QString boxed;         // when set: an empty box for a number and this
                           // text after it, in the right half of the row
};

// A worksheet as the model the renderer lays out on paper.
struct Worksheet {
    QString code;         // "1a"
    QString title;        // the game's title
    QString instruction;  // one Slovak sentence
    QStringList wordBank; // words to choose from, printed above the items
    QVector<WorksheetItem> items;
};

// What a builder gets: the game, its content (the lines of data.dat), how
// many examples to draw, the chosen topics where the game has topics, and the
// random source (seeded in tests).
struct SheetRequest {
    const GameInfo* game = nullptr;
    QStringList data;
    int count = 0;
    QStringList topics;
    QRandomGenerator* random = nullptr;
};

// A worksheet that cannot be made, with a Slovak message for the user.
class WorksheetError : public std::runtime_error {
public:
    explicit WorksheetError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& message() const { return text; }

private:
    QString text;
};

// The text of an item's row as printed, in reading order: write-in lines for
// the gaps, the choices in brackets after the first one (or, to cross out,
// after the task, a tab before each), then a tab and the boxed text.
QString printedTask(const WorksheetItem& item);

// Said when the content holds fewer examples than asked for.
QString tooFewExamplesMessage(const QString& code, int available, int asked);

} // namespace vz::printing
