#pragma once

#include "../../exercise/exercise_form.h"
#include "zpusob_rules.h"

#include <QLabel>
#include <array>

namespace vz {

class TDragToken;
class TWordLabel;
class TwndMoznosti2;

// Modal verb drill (game 1c): five sentences with a gap each; the pupil
// clicks one of the six verbs, presses one of its forms in the pop-up list
// and drags it onto a gap.
class TwndZpusob : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndZpusob(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = zpusob::kPageSize;
    std::array<QLabel*, kRows> Uvoz{};
    std::array<QLabel*, kRows> lbPred{}; // Label1, Label3, ... Label9
    std::array<QLabel*, kRows> ed{};     // the gaps
    std::array<QLabel*, kRows> lbZa{};   // Label2, Label4, ... Label10
    std::array<TWordLabel*, zpusob::kVerbCount> lb{};
    TwndMoznosti2* moznosti;
    TDragToken* token;

    const ZpusobRow& row(int r) const { return rows[r - 1]; }
    // The forms of each verb in the order the pop-up shows them this game.
    const zpusob::VerbForms& verbForms() const { return forms; }

protected:
    void DealPage() override;
    bool judgeRow(int row) override;
    QString correctAnswer(int row) const override { return zpusob::answerText(rows[row - 1]); }
    void setAnswersActive(bool active) override;
    bool examplesRemain() override;
    // The sentence and the note, in the two-line answer window.
    void showAnswer(int row, const TExtImage* mark) override;
    void hideAnswer() override;

private:
    void layoutRow(int r, int gapWidth);
    void SlovesoClick(int verb);
    void formPressed(const QString& text, QPoint at, int itemTop);
    void OvalMouseUp(QPoint at);

    std::array<ZpusobRow, kRows> rows;
    zpusob::VerbForms forms;
};

} // namespace vz
