#pragma once

#include "../../exercise/exercise_form.h"
#include "nadraz_rules.h"

#include <QLabel>
#include <array>

namespace vz {

class TDragToken;
class TWordLabel;

// Superordinate word drill (game 7d): six superordinate words, one a row,
// and twelve chips in a pool below. The pupil drags each chip onto the drop
// area of its row, where the word joins the row's list; a listed word
// clicked goes back to the pool. A row may have no words on a page.
class TwndNadraz : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndNadraz(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = nadraz::kRows;
    static constexpr int kChips = nadraz::kChips;
    std::array<QLabel*, kRows> lbVzor{};
    std::array<QLabel*, kRows> lbDrop{};
    std::array<TDragToken*, kChips> Oval{}; // the chips, chip 1 at index 0
    // The words listed in each row, in their order: [row][position].
    std::array<std::array<TWordLabel*, kChips>, kRows> PlacedWords{};

    const nadraz::Page& page() const { return dealt; }
    const nadraz::Placement& placement() const { return placed; }
    // The words listed in row `r`, in their order.
    QStringList placedWords(int r) const;

protected:
    void DealPage() override;
    bool examplesRemain() override;
    bool judgeRow(int r) override;
    QString correctAnswer(int r) const override {
        return nadraz::answerText(dealt.rowWords[r - 1]);
    }
    void setAnswersActive(bool active) override;

private:
    void OvalMouseUp(int chip, QPoint at);
    void PlacedWordClick(int r, int position);
    void returnToPool(int chip);
    void layoutRow(int r);
    nadraz::WordsLayout rowLayout(const QStringList& words) const;

    nadraz::Content content;
    nadraz::ShownWords shown;
    nadraz::Page dealt;
    nadraz::Placement placed;
    bool pageCounted = false;
    bool answersActive = true;
};

} // namespace vz
