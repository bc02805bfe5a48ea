#pragma once

#include "../../exercise/typed_answer_form.h"
#include "typed_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// Conjugation pattern drill (game 1b): each row shows a verb on the left and
// a sentence with a gap into which the pupil types the conjugated form.
class TwndVzorEdit : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndVzorEdit(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = 10;
    std::array<QLabel*, kRows> lbVzor{};
    std::array<QLabel*, kRows> lbBefore{}; // Label1, Label3, ...
    std::array<QLabel*, kRows> lbAfter{};  // Label2, Label4, ...
    QWidget* zakryti;

    const VzorRow& row(int r) const { return rows[r - 1]; }

protected:
    void DealPage() override;
    void DealNextPage() override;
    bool judgeRow(int r) override { return vzor::isRight(rows[r - 1], answerText(r)); }
    QString correctAnswer(int r) const override { return rows[r - 1].answer; }

private:
    void countPage();
    void layoutRow(int r);

    std::array<VzorRow, kRows> rows;
};

} // namespace vz
