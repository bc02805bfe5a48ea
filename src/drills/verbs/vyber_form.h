#pragma once

#include "../../controls/text_buttons.h"
#include "../../exercise/exercise_form.h"
#include "vyber_rules.h"

#include <QLabel>
#include <array>

namespace vz {

class TwndMoznosti;

// Choose-the-form drill (games 1a, 3c, 4c): each row is a sentence with a
// gap; the pupil picks one of three forms from a pop-up list.
class TwndVyber : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndVyber(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = 10;
    std::array<QLabel*, kRows> lbPred{};
    std::array<TGapLabel*, kRows> edSlovo{};
    std::array<QLabel*, kRows> lbZa{};
    QWidget* zakryti;
    TwndMoznosti* moznosti;

    const VyberRow& row(int r) const { return rows[r - 1]; }

protected:
    void DealPage() override;
    void DealNextPage() override {
        countPage();
        DealPage();
    }
    bool judgeRow(int row) override;
    QString correctAnswer(int row) const override { return rows[row - 1].correct; }
    void setAnswersActive(bool active) override;

private:
    void countPage();
    void layoutRow(int row, int gapWidth);
    void MoznostiDown(int row);

    std::array<VyberRow, kRows> rows;
    int sentenceLeft = 86;
};

} // namespace vz
