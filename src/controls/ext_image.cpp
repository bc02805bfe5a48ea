#include "ext_image.h"

#include "../app/routines.h"

#include <QMouseEvent>
#include <QPainter>

namespace vz {

TExtImage::TExtImage(QWidget* parent) : QWidget(parent) {}

void TExtImage::setPicture(const QImage& picture) {
    Picture = picture;
    update();
}

void TExtImage::clearPicture() {
    setPicture({});
}

void TExtImage::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!isEnabled())
        return;
    if (!OnZvuk.isEmpty())
        PlayWave(OnZvuk);
    emit mouseEntered();
}

void TExtImage::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (isEnabled())
        emit mouseLeft();
}

void TExtImage::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
    if (isEnabled())
        emit mousePressed();
}

void TExtImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    if (isEnabled())
        emit mouseReleased();
    if (!click || !isEnabled())
        return;
    if (!ClickZvuk.isEmpty())
        PlayWave(ClickZvuk);
    emit clicked();
}

void TExtImage::paintEvent(QPaintEvent*) {
    if (Picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, Picture);
}

} // namespace vz
