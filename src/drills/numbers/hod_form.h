#pragma once

#include "../../exercise/exercise_form.h"
#include "clock_rules.h"

#include <array>

namespace vz {

class ClockFace;
class TDragToken;
class TWordLabel;

// Formal clock drill (game 6c): five clocks, each with an empty label, and
// a column of ten wordings on tiles; the pupil drags a tile onto the label
// of the clock whose time it tells. A filled label clicked gives its
// wording back to the column. Clock k is row k of the page framework; the
// page is counted when the pupil continues.
class TwndHod : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndHod(QWidget* stage);

    void StartExercise() override;

    std::array<TWordLabel*, hod::kClocks> Napis{};
    std::array<ClockFace*, hod::kClocks> faces{};
    std::array<TDragToken*, hod::kTiles> tiles{};

    const ClockExample& clock(int k) const { return dealt.clocks[k - 1]; }
    const hod::Board& board() const { return placed; }

    // Where the form puts things (the background is drawn for them).
    static QPoint clockCentre(int k);
    static QRect labelRect(int k);
    static QPoint tileHome(int k);

protected:
    void DealPage() override;
    bool examplesRemain() override;
    bool judgeRow(int k) override { return hod::isRight(clock(k), placed.label(k)); }
    QString correctAnswer(int k) const override { return clock(k).Answer; }
    void setAnswersActive(bool active) override;

private:
    void OvalMouseUp(int tile, QPoint at);
    void NapisClick(int label);
    // Shows every tile and label as the board says.
    void showBoard();
    void cancelDrags();

    hod::Page dealt;
    hod::Board placed;
    bool open = true;
};

} // namespace vz
