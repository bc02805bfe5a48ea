#pragma once

#include "../../exercise/exercise_form.h"
#include "skupiny_rules.h"

#include <QLabel>
#include <array>

namespace vz {

class TDrawingTools;
class TGapLabel;
class TWordLabel;
class TwndMoznosti;

// Odd-one-out drill (game 7b): with the pencil the pupil crosses out the
// word of four that does not belong, then fills the sentence that appears
// with one of the other three. The eraser takes a cross back.
class TwndSkupiny : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndSkupiny(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = skupiny::kPageSize;
    std::array<std::array<TWordLabel*, 4>, kRows> words{};
    std::array<QWidget*, kRows> Skrt{}; // the red line through a crossed word
    std::array<QLabel*, kRows> lbBefore{};
    std::array<TGapLabel*, kRows> edSlovo{};
    std::array<QLabel*, kRows> lbAfter{};
    TDrawingTools* tools;
    TwndMoznosti* moznosti;

    const OddRow& row(int r) const { return rows[r - 1]; }
    // The crossed word of a row (1 ... 4), 0 for none.
    int crossed(int r) const { return CrossedIndex[r - 1]; }

protected:
    void DealPage() override;
    bool examplesRemain() override;
    bool judgeRow(int r) override;
    QString correctAnswer(int r) const override;
    void showAnswer(int r, const TExtImage* mark) override;
    void hideAnswer() override;
    void setAnswersActive(bool active) override;

private:
    void LabelClick(int r, int k);
    void MoznostiDown(int r);
    void layoutRow(int r);
    void showSentence(int r, bool shown);
    void updateCursors();

    std::array<std::array<QLabel*, 3>, kRows> commas{};
    std::array<OddRow, kRows> rows;
    std::array<int, kRows> CrossedIndex{};
};

} // namespace vz
