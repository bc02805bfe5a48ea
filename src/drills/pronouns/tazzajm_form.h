#pragma once

#include "../../exercise/typed_answer_form.h"
#include "tazzajm_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// Interrogative pronoun drill (game 2c): each row shows a statement with one
// part in red and under it the question about that part; the pupil types
// the question's missing first word.
class TwndTazZajm : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndTazZajm(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = tazzajm::kPageSize;
    std::array<QLabel*, kRows> Label{}; // the rest of each question

    const QuestionRow& row(int r) const { return rows[r - 1]; }
    // The labels of a row's statement, in screen order.
    const QVector<QLabel*>& statement(int r) const { return pieces[r - 1]; }

protected:
    void DealPage() override;
    bool examplesRemain() override;
    bool judgeRow(int r) override { return tazzajm::isRight(rows[r - 1], answerText(r)); }
    QString correctAnswer(int r) const override { return rows[r - 1].questionWord; }

private:
    void buildRow(int r);

    std::array<QuestionRow, kRows> rows;
    std::array<QVector<QLabel*>, kRows> pieces;
    // Every piece label a row has made; a new page reuses them and hides the rest.
    std::array<QVector<QLabel*>, kRows> piecePool;
};

} // namespace vz
