#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// The vocabulary game (7e): the pupil ticks topics, then drags German words
// on tiles into the slots beside their Slovak words.
namespace vz::slovicka {

inline constexpr int kMostTopics = 30;
inline constexpr int kRows = 10;

// The names the topic section lists, trimmed, empty lines left out; only the
// first 30 have a place on the topic page.
QStringList topicNames(const QStringList& body);

// The section of a topic: "[7e]" and "Farby" give "[7e-Farby]".
QString topicHeader(const QString& mainHeader, const QString& topic);

// The lines of the topics' sections one after the other, trimmed: the
// vocabulary list of a game, in which a line's index names its word pair.
// Raises "Cannot open file" for a topic without its section.
QStringList joinTopics(const QStringList& data, const QString& mainHeader,
                       const QStringList& topics);

// A line "Slovak | German", split at the first "|", both sides trimmed.
struct Pair {
    QString prompt;
    QString answer;
};
// No pair when a side is empty or the "|" is missing.
std::optional<Pair> parsePair(const QString& line);

// The markers a line of the list carries in front: drawn for the page on
// screen, or never to be drawn (a comment, or a word of a checked page).
inline constexpr QChar kDrawn = QLatin1Char('$');
inline constexpr QChar kRetired = QLatin1Char('#');

// Whether a line may come on a page: no marker and a whole pair.
bool drawable(const QString& line);
// The lines that may still come in this game.
int drawableCount(const QStringList& vocab, const TLChSet& used);

// A new page: the lines of an abandoned page come free again, then `count`
// different drawable lines outside `used` are chosen, each as likely as any
// other, marked as drawn and added to `page`. Raises "Cannot open file"
// (naming `sectionName`) when fewer are left, instead of searching forever.
QVector<int> drawPage(QStringList& vocab, int count, const TLChSet& used, TLChSet& page,
                      QRandomGenerator& random, const QString& sectionName);

// After a checked page: its lines are never drawn again in this game.
void retireDrawn(QStringList& vocab);

// The page's answers in the column of tiles: twenty swaps of two different places.
QStringList shuffled(QStringList answers, QRandomGenerator& random);

// What the answer window shows for a wrong row.
inline QString answerText(const Pair& pair) {
    return pair.prompt + QStringLiteral(" = ") + pair.answer;
}

// Said when the chosen topics hold fewer words than the game needs; the game
// does not start then, so it never runs out of words halfway.
QString tooFewWordsMessage(int needed);

// Which tile (1 ... 10) lies in which row's slot; a tile is in one slot at
// most, a slot holds one tile at most.
class TileSlots {
public:
    void clear() { rows.fill(0); }
    // Puts `tile` into `row` (0: back to the column). Returns the tile that
    // had to leave that slot for it, 0 when there was none.
    int place(int tile, int row);
    int tileOn(int row) const { return rows[row - 1]; }
    int rowOf(int tile) const;

private:
    std::array<int, kRows> rows{};
};

// The first of the first `count` slots whose rectangle, edges included,
// holds `at`; 0 when none does.
int slotAt(const QVector<QRect>& rects, int count, QPoint at);

// The topic page's ticks: one per topic, and the state of "všetky...".
class TopicChoice {
public:
    explicit TopicChoice(QStringList names = {});

    const QStringList& names() const { return topics; }
    int count() const { return int(topics.size()); }
    bool isSelected(int i) const { return selected.value(i); }
    void toggle(int i);
    // The first press ticks every topic, the next clears them all,
    // whatever was ticked in between. Returns the new state.
    bool selectAll();
    bool allTicked() const { return allTag > 0; }
    bool anySelected() const { return selected.contains(true); }
    // The ticked topics in slot order.
    QStringList chosen() const;
    // One byte per slot for the printing library: 1 ticked, 0 not.
    std::array<quint8, kMostTopics> flags() const;

private:
    QStringList topics;
    QVector<bool> selected;
    int allTag = -1;
};

// The topic section: one name a line, 1 ... 30 of them, each different and
// without brackets.
ContentProblems checkTopics(const QStringList& body);
// A topic section: one word pair a line.
ContentProblems checkExamples(const QStringList& body);
// The word pairs of all topics of the game whose topic section is `mainHeader`.
int exampleCount(const QStringList& data, const QString& mainHeader);

} // namespace vz::slovicka
