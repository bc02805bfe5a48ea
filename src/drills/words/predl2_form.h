#pragma once

#include "cleny_form.h"
#include "predl2_rules.h"

namespace vz {

// Wo/wohin sorting (game 4d): the two-column twin of the sorting drill,
// "wohin" phrases on the left, "wo" phrases on the right; every answer
// window opens to the left of its mark.
class TwndPredl2 : public TSortingForm {
    Q_OBJECT
public:
    explicit TwndPredl2(QWidget* stage);

protected:
    QVector<int> split() override { return predl2::splitNine(rng()); }
};

} // namespace vz
