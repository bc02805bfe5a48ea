#include "mouse_drags.h"

#include "controls/drag_token.h"
#include "controls/labels.h"
#include "exercise/exercise_form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace vz::test::drags {
namespace {

void silenceGrabWarning() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (previous &&
                text != QLatin1String("This plugin does not support grabbing the mouse"))
                previous(type, context, text);
        });
}

// Where a real mouse event goes: to the widget holding the mouse, else to
// the one under the pointer.
QWidget* receiver(QWidget* form, QPoint at) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        return grabber;
    QWidget* under = form->childAt(at);
    return under ? under : form;
}

void send(QWidget* form, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QWidget* to = receiver(form, at);
    const QPoint local = to->mapFrom(form, at);
    QMouseEvent event(type, QPointF(local), QPointF(to->mapToGlobal(local)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

void moveAndRelease(QWidget* form, QPoint at) {
    QWidget* to = receiver(form, at);
    QTest::mouseMove(to, to->mapFrom(form, at));
    QTest::mouseRelease(to, Qt::LeftButton, {}, to->mapFrom(form, at));
}

} // namespace

TDragToken* pressAndMove(QWidget* form, QWidget* source, QPoint at, QPoint target) {
    silenceGrabWarning();
    const QPoint start = form->mapFromGlobal(source->mapToGlobal(at));
    QTest::mousePress(source, Qt::LeftButton, {}, at);
    auto* token = qobject_cast<TDragToken*>(QWidget::mouseGrabber());
    if (!token || !token->isVisible() || !token->isDragging()) {
        moveAndRelease(form, start);
        return nullptr;
    }
    const QPoint grip = token->mapFrom(form, start);
    for (int step = 1; step <= 2; ++step) {
        const QPoint to = start + (target - start) * step / 4;
        QTest::mouseMove(token, token->mapFrom(form, to));
        if (token->mapFrom(form, to) != grip)
            return nullptr;
    }
    return token;
}

bool drag(TExerciseForm* form, QWidget* source, QPoint at, QPoint target, Mishap mishap) {
    const QPointer<TDragToken> token = pressAndMove(form, source, at, target);
    if (!token)
        return false;
    if (mishap == Mishap::DoubleClick)
        send(form, QEvent::MouseButtonDblClick, target, Qt::LeftButton);
    else if (mishap == Mishap::ButtonLost)
        send(form, QEvent::MouseMove, target, Qt::NoButton);
    else if (mishap != Mishap::None)
        QTest::mouseClick(mishap == Mishap::Check ? form->checkButton : form->newButton,
                          Qt::LeftButton);
    if (mishap <= Mishap::DoubleClick)
        moveAndRelease(form, target);
    else if (QWidget::mouseGrabber())
        return false; // the mishap had to end the drag
    else if (token)   // a late release changes nothing
        QTest::mouseRelease(token, Qt::LeftButton, {}, token->mapFrom(form, target));
    return !QWidget::mouseGrabber() && (!token || !token->isDragging());
}

} // namespace vz::test::drags
