#pragma once

#include "../../exercise/typed_answer_form.h"
#include "typed_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// Past tense and plural drill (games 1d and 3d): each row shows a word; the
// pupil types its past form or its plural into the field beside it.
class TwndPerf : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndPerf(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = 10;
    std::array<QLabel*, kRows> lbWord{}; // Label1, Label3, ...

    const PerfRow& row(int r) const { return rows[r - 1]; }

protected:
    void DealPage() override;
    void DealNextPage() override;
    bool judgeRow(int r) override { return perf::isRight(rows[r - 1], answerText(r)); }
    QString correctAnswer(int r) const override { return rows[r - 1].answer; }

private:
    void countPage();

    std::array<PerfRow, kRows> rows;
};

} // namespace vz
