#pragma once

#include "../../exercise/typed_answer_form.h"
#include "antonym_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// Antonym drill (game 7c): a word and a second word per row; the switch says
// whether the second is the antonym, and when it is not, the pupil types it.
class TwndAntonyma : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndAntonyma(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = 10;
    std::array<QLabel*, kRows> Text{};
    std::array<TExtImage*, kRows> Prep{}; // the switches
    std::array<QLabel*, kRows> Label{};
    QWidget* zakryti;

    const AntonymRow& row(int r) const { return rows[r - 1]; }
    AntonymSwitch switchState(int r) const { return switches[r - 1]; }

protected:
    void DealPage() override;
    void DealNextPage() override;
    bool judgeRow(int r) override {
        return antonym::isRight(rows[r - 1], switches[r - 1], answerText(r));
    }
    QString correctAnswer(int r) const override { return antonym::answerText(rows[r - 1]); }
    void setAnswersActive(bool active) override;

private:
    void countPage();
    void PrepinacMouseDown(int r);

    QImage switchYes;
    QImage switchNo;
    std::array<AntonymRow, kRows> rows;
    std::array<AntonymSwitch, kRows> switches{};
};

} // namespace vz
