#include "lchset.h"

namespace vz {

TLChSet::TLChSet(int capacity) : Items(qMax(0, capacity), kFree) {}

bool TLChSet::Contains(int value) const {
    return Items.contains(value);
}

bool TLChSet::Add(int value) {
    if (Contains(value))
        return true;
    const qsizetype slot = Items.indexOf(kFree);
    if (slot < 0)
        return false;
    Items[slot] = value;
    return true;
}

void TLChSet::Clear() {
    Items.fill(kFree);
}

QVector<int> TLChSet::Members() const {
    QVector<int> members;
    for (int value : Items) {
        if (value != kFree)
            members << value;
    }
    return members;
}

} // namespace vz
