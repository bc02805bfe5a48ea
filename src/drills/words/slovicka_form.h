#pragma once

#include "../../controls/drag_token.h"
#include "../../exercise/exercise_form.h"
#include "slovicka_rules.h"

#include <QLabel>
#include <array>

namespace vz {

// An answer tile: it knows its place in the column of tiles and whether it
// lies in a slot. `Home` (of the token) is where it rests now, so a drag
// that is lost brings it back there.
class TMujPanel : public TDragToken {
    Q_OBJECT
public:
    using TDragToken::TDragToken;
    int HomeLeft = 0;
    int HomeTop = 0;
    bool Placed = false;
};

// Vocabulary drill (game 7e): a Slovak word in each row, an empty slot
// beside it, and the page's German words on tiles in a column on the right.
// The pupil drags each tile into the slot of its row. The words come from
// the topics ticked on the topic page, which fills `Topics` and starts it.
class TwndSlovicka : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndSlovicka(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = slovicka::kRows;
    QStringList Topics;
    QStringList VocabList;
    std::array<QLabel*, kRows> lbPrompt{}; // Label1, Label3 ... Label19
    std::array<QLabel*, kRows> lbSlot{};   // Label2, Label4 ... Label20
    std::array<TMujPanel*, kRows> Tiles{}; // tile k at index k - 1

    const slovicka::Pair& example(int row) const { return examples[row - 1]; }
    // The tile in the slot of `row`, 0 when the slot is empty.
    int TileOnRow(int row) const { return placed.tileOn(row); }
    QString tileText(int tile) const { return tileWords.value(tile - 1); }

protected:
    void DealPage() override;
    void DealNextPage() override;
    bool judgeRow(int row) override;
    QString correctAnswer(int row) const override {
        return slovicka::answerText(examples[row - 1]);
    }
    void setAnswersActive(bool active) override;

private:
    void countPage();
    void TileMouseUp(int tile, QPoint at);
    void restTile(int tile);

    std::array<slovicka::Pair, kRows> examples;
    QStringList tileWords;
    slovicka::TileSlots placed;
};

} // namespace vz
