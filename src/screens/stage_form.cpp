#include "stage_form.h"

#include "../app/cursors.h"
#include "../app/message_boxes.h"
#include "../platform/display.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace vz {
namespace {

// An invisible cover that swallows every click and key while a form pauses.
class InputShield : public QWidget {
public:
    explicit InputShield(QWidget* form) : QWidget(form) {
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::StrongFocus);
        setGeometry(form->rect());
        raise();
        show();
        setFocus(Qt::OtherFocusReason);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
    void keyPressEvent(QKeyEvent* event) override { event->accept(); }
    void keyReleaseEvent(QKeyEvent* event) override { event->accept(); }
    void paintEvent(QPaintEvent*) override {}
};

TStageForm* topForm(QWidget* stage) {
    const QObjectList children = stage->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto* form = qobject_cast<TStageForm*>(*it);
        if (form && form->isVisibleTo(stage))
            return form;
    }
    return nullptr;
}

} // namespace

TStageForm::TStageForm(QWidget* stage) : QWidget(stage), Caption(kProgramCaption) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(QRect(QPoint(0, 0), platform::kStageSize));
    setCursor(programCursor(kArrowCursor));
    hide();
}

void TStageForm::showOnStage() {
    show();
    raise();
    // Windows that stay on top (the help picture) stay above a form shown later.
    if (QWidget* stage = parentWidget()) {
        for (QObject* child : stage->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget != this && widget->isVisible() &&
                widget->property("stayOnTop").toBool())
                widget->raise();
        }
        giveInputToTopForm(stage);
    }
    if (QWidget* top = window(); top != this)
        top->setWindowTitle(Caption);
}

void TStageForm::giveInputToTopForm(QWidget* stage) {
    TStageForm* top = topForm(stage);
    if (!top)
        return;
    for (QObject* child : stage->children()) {
        auto* form = qobject_cast<TStageForm*>(child);
        if (form && form != top && form->isEnabled())
            form->setEnabled(false);
    }
    top->setEnabled(true);
    top->takeFocus();
}

void TStageForm::takeFocus() {
    if (shield) {
        shield->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget* last = focusWidget();
    if (last && last != this && last->isVisible() && last->isEnabled())
        last->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void TStageForm::pauseThen(int ms, std::function<void()> then) {
    if (shield)
        return;
    shield = new InputShield(this);
    QTimer::singleShot(ms, this, [this, then = std::move(then)] {
        delete shield.data();
        then();
    });
}

void TStageForm::drawIntoBackground(const QWidget* control, const QImage& picture) {
    if (Background.isNull() || picture.isNull())
        return;
    QPainter painter(&Background);
    painter.drawImage(control->pos(), picture);
}

void TStageForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    QWidget* stage = parentWidget();
    // Only a form hidden on its own hands the stage on, not one hidden with its window.
    if (!stage || window() == this || !isHidden())
        return;
    if (TStageForm* top = topForm(stage))
        window()->setWindowTitle(top->Caption);
    giveInputToTopForm(stage);
}

void TStageForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(33, 89, 140));
    if (!Background.isNull())
        painter.drawImage(0, 0, Background);
}

} // namespace vz
