#pragma once

#include "app/main_sequence.h"
#include "exercise/exercise_form.h"
#include "screens/table_window.h"

#include <QSet>
#include <functional>

namespace vz::test {

// Plays any game through the real forms, from the main menu over the set-up
// page and every page to the best-results table. A game's test supplies only
// how one row is answered right or wrong.
class GamePlayer {
public:
    // Answers row `row` (from 1) of the page on `form`, rightly or not.
    using RowAnswer = std::function<void(TExerciseForm* form, int row, bool right)>;
    // Which rows of page `page` (from 1) get a wrong answer.
    using WrongRows = std::function<QSet<int>(int page)>;

    GamePlayer(MainSequence* program, RowAnswer answer)
        : program(program), answer(std::move(answer)) {}

    // Chooses the game in the menu, types the name, picks count choice
    // `choice` (1 ... 5) and starts; returns the game's exercise form.
    TExerciseForm* start(const QString& code, int choice, const QString& name = "Test");

    // Answers every row of the current page and presses check.
    void answerPage(const QSet<int>& wrongRows = {});

    // Plays page after page until the table shows; returns the table window.
    TwndTab* playToTable(const WrongRows& wrongRows = {});

    // Waits until the slide of the continue button has ended, then presses it.
    void pressContinue();

    TExerciseForm* form() const { return current; }
    // Plays on with an exercise form that a page of the game's own (the
    // topic page of 7e) started after `start`.
    void follow(TExerciseForm* form) { current = form; }
    int pagesPlayed() const { return pages; }

    // Types text as key presses, umlauts and Slovak letters included.
    static void typeText(QWidget* widget, const QString& text);
    // A real double click at a stage position: press and release, then the
    // second press and release on whatever lies there by then.
    static void doubleClick(QWidget* stage, QPoint at);

    // The visible exercise form and table window of the stage, if any.
    static TExerciseForm* visibleExercise();
    static TwndTab* visibleTable();
    // The right and wrong answers in the first row of the table.
    static QPair<int, int> score(const TwndTab* table);

private:
    MainSequence* program;
    RowAnswer answer;
    TExerciseForm* current = nullptr;
    int pages = 0;
};

} // namespace vz::test
