#pragma once

#include "../../exercise/exercise_form.h"
#include "cleny_rules.h"

#include <QLabel>
#include <array>

namespace vz {

class TDragToken;

// The page of a sorting drill: nine word chips in a pool under columns of
// seven slots; the pupil drags each chip into a free slot of the column
// where its word belongs. Rows of the page framework are the chips: chip k
// is judged as row k, and its mark appears beside its slot (a chip left in
// the pool counts wrong and shows no mark).
class TSortingForm : public TExerciseForm {
    Q_OBJECT
public:
    void StartExercise() override;

    std::array<TDragToken*, sorting::kChips> chips{};
    // Der1 ... Der7, Die1 ..., one list per column: the slots' places.
    QVector<QVector<QLabel*>> slotLabels;

    const sorting::Board& board() const { return places; }
    const sorting::Page& page() const { return dealt; }
    const sorting::Game& game() const { return rules; }
    // The chip's mark (hidden while the chip lies in the pool or the page is open).
    TExtImage* markOf(int chip) const { return Vyhodn[chip - 1]; }

protected:
    TSortingForm(QWidget* stage, const sorting::Layout& layout, const sorting::Game& game,
                 const QStringList& columnNames);

    // How many words each column gets on the next page.
    virtual QVector<int> split() = 0;
    // Whether the answer window opens right of the marks of `column`.
    virtual bool answerOpensRight(int column) const {
        Q_UNUSED(column);
        return false;
    }

    void DealPage() override;
    bool examplesRemain() override;
    bool judgeRow(int chip) override;
    QString correctAnswer(int chip) const override;
    void showAnswer(int chip, const TExtImage* mark) override;
    void hideAnswer() override;
    void setAnswersActive(bool active) override;

private:
    void OvalMouseUp(int chip, QPoint at);
    void cancelDrags();
    // Puts every chip where the board says, shown and draggable as the page allows.
    void layoutChips();
    void placeMarks(bool shown);

    sorting::Board places;
    sorting::Game rules;
    sorting::Deck deck;
    sorting::Page dealt;
    bool open = true;
};

// Gender and kein/nicht sorting (games 3a and 7a): three columns; the
// answer for the first column opens to the right of its mark.
class TwndCleny : public TSortingForm {
    Q_OBJECT
public:
    explicit TwndCleny(QWidget* stage);

protected:
    QVector<int> split() override { return cleny::splitNine(rng()); }
    bool answerOpensRight(int column) const override { return column == 1; }
};

} // namespace vz
