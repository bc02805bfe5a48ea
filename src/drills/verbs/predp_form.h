#pragma once

#include "../../exercise/exercise_form.h"
#include "predp_rules.h"

#include <QLabel>
#include <array>
#include <optional>

namespace vz {

class TDragToken;

// A word piece: reports a left press (where) and a click (press and release inside).
class TPieceLabel : public QLabel {
    Q_OBJECT
public:
    explicit TPieceLabel(QWidget* parent);

signals:
    void pressed(QPoint at);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool down = false;
};

// Separable prefix drill (game 1f): each row is a sentence with two slots;
// the pupil drags a red and a blue piece into the slots where they belong,
// both into one slot when they stand joined. A placed piece clicked goes
// back to the left of its row.
class TwndPredp : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndPredp(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = 10;
    enum Colour { Red = 0, Blue = 1 };
    using PerColour = std::array<TPieceLabel*, 2>;

    std::array<PerColour, kRows> lbVzor{};                 // the pieces at the left
    std::array<std::array<TDragToken*, 2>, kRows> Oval{};  // their drag tokens
    std::array<std::array<PerColour, 2>, kRows> Vlozeny{}; // [row][colour][slot] placed pieces
    std::array<std::array<QLabel*, 2>, kRows> Terc{};      // the slots
    std::array<QLabel*, kRows> lbPred{};
    std::array<QLabel*, kRows> lbMezi{};
    std::array<QLabel*, kRows> lbZa{};
    QWidget* zakryti;

    const PredpRow& row(int r) const { return rows[r - 1]; }
    const predp::Placement& placement(int r) const { return placed[r - 1]; }

protected:
    void DealPage() override;
    void DealNextPage() override {
        countPage();
        DealPage();
    }
    bool judgeRow(int row) override { return predp::isRight(rows[row - 1], placed[row - 1]); }
    QString correctAnswer(int row) const override { return predp::answerSentence(rows[row - 1]); }
    void setAnswersActive(bool active) override;

private:
    struct Piece {
        int row;
        Colour colour;
        bool operator==(const Piece&) const = default;
    };

    void countPage();
    void dealRow(int r);
    void layoutRow(int r);
    void hideRow(int r);
    predp::Place& placeOf(Piece piece);
    void VzorMouseDown(Piece piece, QPoint at);
    void OvalMouseUp(Piece piece, QPoint at);
    void dragEnded(Piece piece);
    void LabelClick(Piece piece);

    std::array<PredpRow, kRows> rows;
    std::array<predp::Placement, kRows> placed;
    std::optional<Piece> dragged;
};

} // namespace vz
