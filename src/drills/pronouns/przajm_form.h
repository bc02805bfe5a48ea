#pragma once

#include "../../exercise/exercise_form.h"
#include "przajm_rules.h"

#include <QLabel>
#include <array>

namespace vz {

class TDragToken;
class TGapLabel;
class TWordLabel;

// Possessive pronoun drill (game 2b): five rows of a context sentence and a
// sentence with a blank. The pupil drags a stem and, where needed, an ending
// from the palette at the bottom onto the blank; a placed stem or ending
// clicked goes away again.
class TwndPrZajm : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndPrZajm(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = przajm::kPageSize;
    std::array<QLabel*, kRows> Veta{};
    std::array<QLabel*, kRows> lbPred{};
    std::array<TGapLabel*, kRows> edSlovo{}; // the blanks
    std::array<QLabel*, kRows> lbZa{};
    std::array<TWordLabel*, kRows> placedStem{};   // Label1 ... Label5
    std::array<TWordLabel*, kRows> placedEnding{}; // Label11 ... Label15
    std::array<QLabel*, 6> paletteStem{};          // Label21 ... Label26
    std::array<QLabel*, 5> paletteEnding{};        // Label27 ... Label31
    TDragToken* Oval;

    const PronounRow& row(int r) const { return rows[r - 1]; }
    const przajm::Blank& blank(int r) const { return blanks[r - 1]; }

protected:
    void DealPage() override;
    bool judgeRow(int r) override { return przajm::isRight(rows[r - 1], blanks[r - 1]); }
    QString correctAnswer(int r) const override { return przajm::answerSentence(rows[r - 1]); }
    void setAnswersActive(bool active) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutRow(int r);
    void layoutBlank(int r);
    void VzorMouseDown(QLabel* source, QPoint at);
    void OvalMouseUp(QPoint at);
    void TextClick(int r, bool stem);

    std::array<PronounRow, kRows> rows;
    std::array<przajm::Blank, kRows> blanks;
    bool draggingEnding = false;
};

} // namespace vz
