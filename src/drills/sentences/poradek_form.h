#pragma once

#include "../../exercise/exercise_form.h"
#include "poradek_rules.h"

#include <QColor>
#include <QVector>
#include <array>

namespace vz {

class TDragLabel;

// Word order drill (game 5a): each row shows the words of a sentence out of
// order; the pupil puts them right by swapping two words of a row at a time
// (press on one, release on another). Fixed words stay where they are.
class TwndPoradek : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndPoradek(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = poradek::kRows;
    QWidget* zakryti;

    // The word labels of row `r`, in their order on the screen.
    const QVector<TDragLabel*>& words(int r) const { return wordLabels[r - 1]; }
    const poradek::WordOrder& order(int r) const { return orders[r - 1]; }
    bool isSwapping() const { return Dragging; }

    static inline const QColor kMovable{128, 128, 128};  // grey
    static inline const QColor kFixed{0, 0, 0};          // black
    static inline const QColor kSource{202, 0, 0};       // the word pressed
    static inline const QColor kDropTarget{33, 89, 140}; // the word it would change places with

protected:
    void DealPage() override;
    void DealNextPage() override {
        countPage();
        DealPage();
    }
    bool judgeRow(int r) override { return orders[r - 1].isRight(); }
    QString correctAnswer(int r) const override { return orders[r - 1].correctSentence(); }
    void setAnswersActive(bool active) override;

private:
    void countPage();
    void clearRow(int r);
    void buildRow(int r, const QString& line);
    // The tile for word `i` of row `r`, made the first time it is needed.
    TDragLabel* wordTile(int r, int i);
    void layoutRow(int r);
    int findTarget(QPoint at) const;
    void WordMouseDown(int r, int tag);
    void WordMouseMove(QPoint at);
    void WordMouseUp(QPoint at);
    void endSwap(int target);

    std::array<QVector<TDragLabel*>, kRows> wordLabels;
    // Every word tile a row has made; a new page reuses them and hides the
    // rest instead of making the widgets again.
    std::array<QVector<TDragLabel*>, kRows> wordPool;
    std::array<poradek::WordOrder, kRows> orders;
    std::array<int, kRows> fontSizes{};
    bool answersActive = true;
    // The swap going on: its row, the word pressed and the word under the
    // mouse that would take its place (-1: none).
    bool Dragging = false;
    int DragRow = 0;
    int DragSource = -1;
    int DropTarget = -1;
};

} // namespace vz
