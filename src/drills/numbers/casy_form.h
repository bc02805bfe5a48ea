#pragma once

#include "../../exercise/typed_answer_form.h"
#include "casy_rules.h"
#include "tile_swap.h"

#include <array>

namespace vz {

class TDragToken;

// Informal clock times (game 6d): ten times in words on tiles in shuffled
// order; the pupil puts them in order by dropping tiles on each other. The
// small field beside each tile takes a note (the time in digits, say) that
// travels with its tile and is never judged.
class TwndCasy : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndCasy(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = casy::kRows;
    std::array<TDragToken*, kRows> tiles{};

    const casy::Page& page() const { return dealt; }

protected:
    void DealPage() override;
    bool judgeRow(int row) override;
    QString correctAnswer(int row) const override;
    void setAnswersActive(bool active) override;
    bool examplesRemain() override;

private:
    void OvalMouseUp(int tile, QPoint at);
    void showTile(int row);

    tiles::TileColumn column;
    casy::Page dealt;
};

} // namespace vz
