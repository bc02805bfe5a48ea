#pragma once

#include "../../exercise/exercise_form.h"
#include "slovicka_form.h"
#include "slovicka_rules.h"

#include <QImage>
#include <QPointer>
#include <array>

namespace vz {

class TClickLabel;
class TExtImage;

// The topic page of game 7e: the vocabulary topics as tick boxes in three
// columns of ten, and "všetky..." that ticks or clears them all. Once a topic
// is ticked, continue starts the vocabulary drill on the ticked topics and
// print hands them to the printing library.
//
// The catalogue starts it like a game, so it takes the exercise frame: the
// title label, the back button and the continue button lie where a game has
// them; the table, new and check buttons are not used. Its `StartExercise`
// is the loading of the topics.
class TwndSlovickaObl : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndSlovickaObl(QWidget* stage);
    ~TwndSlovickaObl() override;

    void StartExercise() override { LoadTopics(); }
    void LoadTopics();

    void ToggleTopic(int i);
    void SelectAll();
    void PokrClick();
    void TiskClick();

    TExtImage* Tisk;
    std::array<TClickLabel*, slovicka::kMostTopics> lbTopic{};
    TClickLabel* lbAll;

    const slovicka::TopicChoice& choice() const { return topics; }
    // The drill the page starts; it waits hidden until continue.
    TwndSlovicka* drill() const { return wndSlovicka; }

    // Where slot i (0 ... 29) lies: three columns of ten.
    static QPoint slotPosition(int i);

protected:
    void DealPage() override {}
    bool judgeRow(int) override { return false; }
    QString correctAnswer(int) const override { return {}; }
    void setAnswersActive(bool) override {}

private:
    void DrawTopic(int i);
    void drawTick(QPoint at, bool ticked, const QString& name);
    void updateButtons();

    slovicka::TopicChoice topics;
    QImage continuePicture;
    QImage printPicture;
    QImage tickOn;
    QImage tickOff;
    QPointer<TwndSlovicka> wndSlovicka;
    bool drillStarted = false;
};

} // namespace vz
