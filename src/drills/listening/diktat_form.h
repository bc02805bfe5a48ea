#pragma once

#include "diktat_rules.h"
#include "listening_form.h"

namespace vz {

// Dictation (game 5c): each row's loudspeaker says a sentence, the pupil
// writes it. A half-page is one small text of five sentences.
class TwndDiktat : public TListeningForm {
    Q_OBJECT
public:
    explicit TwndDiktat(QWidget* stage);

    const DiktatExample& example(int row) const { return examples[row - 1]; }

protected:
    void DealPage() override;
    bool judgeRow(int row) override;
    QString correctAnswer(int row) const override { return examples[row - 1].Answer; }
    QString soundOf(int row) const override;

private:
    std::array<DiktatExample, kRows> examples;
};

} // namespace vz
