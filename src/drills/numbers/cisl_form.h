#pragma once

#include "../../exercise/exercise_form.h"
#include "cisl_rules.h"
#include "tile_swap.h"

#include <QLabel>
#include <array>

namespace vz {

class TDragToken;

// Numeral matching (game 6a): numerals written out on the left, their
// numbers in digits on white tiles on the right in shuffled order. The
// pupil drops a tile on another to swap their texts; a row is right when
// its tile shows its number.
class TwndCisl : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndCisl(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = cisl::kRows;
    std::array<QLabel*, kRows> prompts{}; // Label1, Label3, ... Label19
    std::array<TDragToken*, kRows> tiles{};

    const cisl::Page& page() const { return dealt; }

protected:
    void DealPage() override;
    void DealNextPage() override;
    bool judgeRow(int row) override;
    QString correctAnswer(int row) const override;
    void setAnswersActive(bool active) override;

private:
    void countPage();
    void OvalMouseUp(int tile, QPoint at);
    void showTileTexts();

    tiles::TileColumn column;
    cisl::Page dealt;
};

} // namespace vz
