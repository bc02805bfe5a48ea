#pragma once

#include "../../exercise/typed_answer_form.h"
#include "predl_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// Time preposition drill (game 4a): five rows of a model sentence and a
// sentence with one or two blanks, into which the pupil types the missing
// prepositions, with their article where one belongs to them.
class TwndPredl : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndPredl(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = predl::kPageSize;
    std::array<QLabel*, kRows> lbVzor{};
    std::array<QLabel*, kRows> lbBefore{}; // Label1, Label3, ... Label9
    std::array<QLabel*, kRows> lbMiddle{}; // Label2, Label4, ... Label10
    std::array<QLabel*, kRows> lbAfter{};  // Label11 ... Label15
    // The blanks of a row: ed1 ... ed5 and AlignEdit1 ... AlignEdit5; in
    // `ed` they stand in the order the keyboard walks them, row by row.
    std::array<TAlignEdit*, kRows> firstBlank{};
    std::array<TAlignEdit*, kRows> secondBlank{};

    const TimeRow& row(int r) const { return rows[r - 1]; }

protected:
    void DealPage() override;
    bool judgeRow(int r) override;
    QString correctAnswer(int r) const override { return predl::answerSentence(rows[r - 1]); }
    bool examplesRemain() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutRow(int r);

    std::array<TimeRow, kRows> rows;
};

} // namespace vz
