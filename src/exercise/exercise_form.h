#pragma once

#include "../app/globals.h"
#include "../screens/stage_form.h"

#include <QImage>
#include <QPointer>
#include <QRandomGenerator>
#include <QVector>

namespace vz {

class TBMPLabel;
class TClickLabel;
class SlideIn;
class TExtImage;
class TwndTab;

// Said once a run when the results log cannot be written.
extern const QString kLogNotWritten;

// The page cycle every drill shares: deal a page, let the pupil answer,
// check it, mark each row right or wrong, reveal a correct answer while a
// wrong mark is pressed, slide the continue button in, and at the end hand
// the counts to the best-results table. A drill adds its rows and its rules
// through the virtual operations.
class TExerciseForm : public TStageForm {
    Q_OBJECT
public:
    explicit TExerciseForm(QWidget* stage);

    // Deals the first page; called once after caption and background are set.
    virtual void StartExercise() = 0;

    void CheckPage();
    void ShowContinue();
    void OpenTable();
    void FinishExercise();
    // Hides the form and destroys it after the current event; a second call does nothing.
    void release();
    bool isReleased() const { return released; }

    bool PageChecked = false;
    int PageSize = 0;

    TClickLabel* lbNadpis;
    TExtImage* Pokr;
    TBMPLabel* backButton;
    TBMPLabel* tableButton;
    TBMPLabel* newButton;
    TBMPLabel* checkButton;
    QVector<TExtImage*> Vyhodn; // the marks, row 1 at index 0

    // The text that tells how to see the correct answer.
    static QString markHint();

    // A seeded generator makes the dealing repeatable in tests.
    void setRandom(QRandomGenerator* generator) { random = generator; }

protected:
    // The game's section of the content (raises "Cannot open file" when missing).
    QStringList LoadGameSection() const;

    virtual void DealPage() = 0;
    // The page after a checked one; drills that count at dealing count here.
    virtual void DealNextPage() { DealPage(); }
    virtual bool judgeRow(int row) = 0; // rows count from 1
    virtual QString correctAnswer(int row) const = 0;
    // Shows the correct answer of a wrong row while its mark is pressed; by
    // default correctAnswer() in the one-line answer window.
    virtual void showAnswer(int row, const TExtImage* mark);
    virtual void hideAnswer();
    // Puts a hint window of `width` under the mark, ending right of it.
    static void showHintBeside(QWidget* hint, const TExtImage* mark, int width);
    // Answer fields react (hand cursor) only while the page is open.
    virtual void setAnswersActive(bool active) = 0;
    // Counting rule after a checked page; true when another page follows.
    virtual bool examplesRemain() { return ExamplesLeft > 0; }

    TExtImage* addMark(int row, int left, int top);
    // The form's own background, with the menu buttons' plain pictures.
    void prepareBackground();
    QRandomGenerator& rng() { return *random; }

private:
    void newPressed();
    void checkPressed();
    void PokrClick();
    void VyslMouseEnter(int row);
    void VyslMouseDown(int row);
    void VyslMouseUp();
    TwndTab* createTable();
    void setMarkHint(int row, bool on);
    static void tellLogFailedOnce();

    QImage continuePicture;
    QImage markRight;
    QImage markWrong;
    QVector<bool> markRevealsAnswer;
    QRandomGenerator* random;
    SlideIn* continueSlide;
    bool released = false;
};

} // namespace vz
