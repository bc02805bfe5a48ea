#pragma once

#include "../../exercise/exercise_form.h"

#include <QVector>

namespace vz {

class TWordLabel;
class TwndOdpoved;

// The summary page of the answer drill: one row per question of the game.
// Before the check a row reopens the page of its question, where the reply
// can still be changed; the check judges every question at once; afterwards
// a wrong mark or any row reopens its page with the suitable reply marked,
// and continue records the result. Lives as long as its quiz form.
class TwndOdpovedSum : public TExerciseForm {
    Q_OBJECT
public:
    TwndOdpovedSum(QWidget* stage, TwndOdpoved* quiz);

    void StartExercise() override {} // the quiz form starts the game
    // Rows filled from the quiz's questions, nothing checked yet.
    void FillSummary();
    void OpenQuestionPage(int row);

    bool Evaluated = false;
    QVector<TWordLabel*> rows; // row i (from 0) holds question i
    QWidget* Zakryti = nullptr;

protected:
    // New: the quiz draws a fresh set and takes the pupil to its page 1.
    void DealPage() override;
    bool judgeRow(int row) override;
    QString correctAnswer(int row) const override;
    // Closed once the game is checked: replies can no longer change.
    void setAnswersActive(bool active) override;
    // A wrong mark opens its page on a click instead of showing a bubble.
    void showAnswer(int, const TExtImage*) override {}
    void hideAnswer() override {}
    bool examplesRemain() override { return false; }

private:
    void SummaryMarkClick(int row);

    TwndOdpoved* quiz;
};

} // namespace vz
