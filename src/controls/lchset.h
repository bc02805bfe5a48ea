#pragma once

#include <QVector>

namespace vz {

// A set of non-negative integers with a fixed number of slots. The games use
// it to remember which examples were drawn, so random drawing never repeats.
class TLChSet {
public:
    explicit TLChSet(int capacity);

    bool Contains(int value) const;
    // True when value is a member afterwards; false when it was not there
    // and no slot is free.
    bool Add(int value);
    void Clear();

    int capacity() const { return Items.size(); }
    // The values held, in slot order.
    QVector<int> Members() const;

private:
    static constexpr int kFree = -1;
    QVector<int> Items;
};

} // namespace vz
