#pragma once

#include "../../exercise/exercise_form.h"
#include "pady_buttons.h"
#include "pady_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// Case drill (game 3b): five sentences with a blank each and two option
// buttons under the blank; the button pressed puts its form into the blank.
class TwndPady : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndPady(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = pady::kPageSize;
    std::array<QLabel*, kRows> Pred{};
    std::array<QLabel*, kRows> Slovo{}; // the blanks
    std::array<QLabel*, kRows> Za{};
    std::array<TOptionButton*, kRows> TlacL{};
    std::array<TOptionButton*, kRows> TlacR{};

    const CaseRow& row(int r) const { return rows[r - 1]; }

protected:
    void DealPage() override;
    bool judgeRow(int r) override { return pady::isRight(rows[r - 1], Slovo[r - 1]->text()); }
    QString correctAnswer(int r) const override { return pady::answerText(rows[r - 1]); }
    void setAnswersActive(bool active) override;
    bool examplesRemain() override;

private:
    void layoutRow(int r);
    void placeBlank(int r, const QString& text);
    void drawButtons(int r, OptionButtonPictures::Pressed pressed);
    void TlacitkoMouseDown(int tag);

    std::array<CaseRow, kRows> rows;
    std::array<int, kRows> fontSizes{};
    std::array<int, kRows> buttonWidths{};
    OptionButtonPictures pictures;
};

} // namespace vz
