#include "tile_swap.h"

namespace vz::tiles {

void shuffle(QStringList& texts, QRandomGenerator& random) {
    const int count = int(texts.size());
    if (count < 2)
        return;
    for (int swap = 0; swap < 20; ++swap) {
        const int a = random.bounded(count);
        int b = random.bounded(count);
        while (b == a)
            b = random.bounded(count);
        texts.swapItemsAt(a, b);
    }
}

int TileColumn::dropTarget(int dragged, QPoint at) const {
    for (int row = 1; row <= rows(); ++row) {
        const QRect r = home(row);
        // The right and bottom edges count too, as in the form library.
        const bool holds = at.x() >= r.left() && at.x() <= r.left() + r.width() &&
                           at.y() >= r.top() && at.y() <= r.top() + r.height();
        if (row != dragged && holds)
            return row;
    }
    return 0;
}

int TileColumn::drop(int dragged, QPoint at) {
    const int target = dropTarget(dragged, at);
    if (target && dragged >= 1 && dragged <= rows())
        current.swapItemsAt(dragged - 1, target - 1);
    return target;
}

} // namespace vz::tiles
