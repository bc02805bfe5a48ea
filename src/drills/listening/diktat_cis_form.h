#pragma once

#include "listening_form.h"

namespace vz {

// Numbers by ear (game 6b): each cell's loudspeaker says a number of the
// numeral matching game, the pupil writes it as that game writes it.
class TwndDiktatCis : public TListeningForm {
    Q_OBJECT
public:
    explicit TwndDiktatCis(QWidget* stage);

    const QString& number(int cell) const { return numbers[cell - 1]; }

protected:
    void DealPage() override;
    bool judgeRow(int cell) override;
    QString correctAnswer(int cell) const override { return numbers[cell - 1]; }
    QString soundOf(int cell) const override;

private:
    std::array<QString, kRows> numbers;
};

} // namespace vz
