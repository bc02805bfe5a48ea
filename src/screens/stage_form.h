#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vz {

// A 640 x 480 form lying on the stage; it paints its background picture.
// Only the form on top of the stage takes input: the forms under it are
// disabled, so keys typed in a game never reach the page beneath it.
class TStageForm : public QWidget {
    Q_OBJECT
public:
    explicit TStageForm(QWidget* stage);

    QImage Background;
    QString Caption;

    // Shows the form above the others and makes the program's caption its own.
    void showOnStage();

    // Holds the form still for `ms` milliseconds, taking no clicks or keys,
    // then runs `then` (the pupil sees the pressed button before the form
    // goes). Further calls during the pause are ignored; nothing runs if the
    // form is destroyed first.
    void pauseThen(int ms, std::function<void()> then);
    bool isPausing() const { return shield != nullptr; }

    // Enables the topmost visible form of the stage, disables the others and
    // gives the topmost one the keyboard.
    static void giveInputToTopForm(QWidget* stage);

protected:
    // Puts a control's plain picture into the background, so it survives repaints.
    void drawIntoBackground(const QWidget* control, const QImage& picture);
    // Where the keyboard goes when the form comes on top.
    virtual void takeFocus();

    void paintEvent(QPaintEvent* event) override;
    // The caption and the input go back to the form that is on top now.
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QWidget> shield;
};

} // namespace vz
