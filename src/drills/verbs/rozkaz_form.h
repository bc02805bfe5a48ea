#pragma once

#include "../../exercise/typed_answer_form.h"
#include "typed_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// Imperative drill (game 1e): five small scenes whose people get names drawn
// afresh for every page, their pictures on the left, and a sentence with a
// gap for the imperative.
class TwndRozkaz : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndRozkaz(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = rozkaz::kPageSize;
    std::array<QLabel*, kRows> lbVzor{}; // the situation lines
    std::array<QLabel*, kRows> lbBefore{};
    std::array<QLabel*, kRows> lbAfter{};

    const RozkazRow& row(int r) const { return rows[r - 1]; }
    // The pictures drawn beside each scene of the page.
    const QVector<ScenePicture>& pictures(int r) const { return scenePictures[r - 1]; }

protected:
    void DealPage() override;
    bool examplesRemain() override;
    bool judgeRow(int r) override { return rozkaz::isRight(rows[r - 1], answerText(r)); }
    QString correctAnswer(int r) const override { return rozkaz::answerSentence(rows[r - 1]); }

private:
    void layoutRow(int r);

    QImage cleanBackground;
    QStringList children;
    QStringList grandparents;
    std::array<QImage, 5> firstPictures;  // by ScenePicture::Kind
    std::array<QImage, 5> secondPictures; // by ScenePicture::Kind
    std::array<RozkazRow, kRows> rows;
    std::array<QVector<ScenePicture>, kRows> scenePictures;
};

} // namespace vz
