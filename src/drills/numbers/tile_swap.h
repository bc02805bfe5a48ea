#pragma once

#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QStringList>

namespace vz {

// The column of white text tiles that games 6a and 6d share: the pupil
// drops one tile on another and the two swap their texts; a tile always
// goes back to its own row.
namespace tiles {

// Twenty swaps of two different random positions. A text may end where it
// began; fewer than two texts stay as they are.
void shuffle(QStringList& texts, QRandomGenerator& random);

class TileColumn {
public:
    // Tile 1 rests on `firstHome`; each further tile `pitch` pixels lower.
    TileColumn(QRect firstHome, int pitch) : first(firstHome), pitch(pitch) {}

    QRect home(int row) const { return first.translated(0, pitch * (row - 1)); }

    // A new page: tile k shows texts[k - 1]; the page has as many rows.
    void deal(const QStringList& texts) { current = texts; }
    int rows() const { return int(current.size()); }
    QString text(int row) const { return current.value(row - 1); }
    const QStringList& texts() const { return current; }

    // The first tile of the page, other than `dragged`, whose home holds
    // `at` (form coordinates, edges included); 0 when there is none.
    int dropTarget(int dragged, QPoint at) const;
    // Tile `dragged` released at `at`: swaps its text with the drop
    // target's. Returns the target, 0 when nothing changed.
    int drop(int dragged, QPoint at);

private:
    QRect first;
    int pitch;
    QStringList current;
};

} // namespace tiles
} // namespace vz
