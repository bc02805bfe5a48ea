#include "labels.h"

#include "../app/cursors.h"
#include "../app/globals.h"
#include "../app/resources.h"
#include "../app/routines.h"
#include "../app/stage_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace vz {

TClickLabel::TClickLabel(QWidget* owner, int left, int top, int width, int height)
    : QWidget(owner) {
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(left, top, width, height);
}

void TClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = pressed && event->button() == Qt::LeftButton &&
                        rect().contains(event->position().toPoint());
    pressed = false;
    if (inside && isEnabled())
        click();
}

void TClickLabel::click() {
    emit clicked();
}

TXLabel::TXLabel(QWidget* owner, int left, int top, int width, int height)
    : TClickLabel(owner, left, top, width, height) {
    setCursor(programCursor(kHandCursor));
}

void TXLabel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!isEnabled())
        return;
    drawEnterPicture();
    PlayWave(EnterSound);
    emit mouseEntered();
}

void TXLabel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!isEnabled())
        return;
    drawLeavePicture();
    emit mouseLeft();
}

void TXLabel::click() {
    PlayWave(ClickSound);
    TClickLabel::click();
}

TBMPLabel::TBMPLabel(QWidget* owner, int left, int top, int width, int height)
    : TXLabel(owner, left, top, width, height) {}

TBMPLabel::TBMPLabel(QWidget* owner, const QString& enterFile, const QString& leaveFile, int left,
                     int top, int width, int height)
    : TXLabel(owner, left, top, width, height) {
    EnterPicture = tryLoadPicture(enterFile);
    LeavePicture = tryLoadPicture(leaveFile);
}

void TBMPLabel::drawEnterPicture() {
    if (EnterPicture.isNull())
        return;
    shown = &EnterPicture;
    repaint();
}

void TBMPLabel::drawLeavePicture() {
    if (LeavePicture.isNull())
        return;
    shown = &LeavePicture;
    repaint();
}

void TBMPLabel::showEvent(QShowEvent* event) {
    // A window shown again shows its own background until the mouse passes over.
    shown = nullptr;
    TXLabel::showEvent(event);
}

void TBMPLabel::paintEvent(QPaintEvent*) {
    if (!shown)
        return;
    QPainter painter(this);
    painter.drawImage(QRectF(rect()), *shown, deviceRect(*shown, QRectF(rect())));
}

} // namespace vz
