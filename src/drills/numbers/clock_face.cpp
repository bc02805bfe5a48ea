#include "clock_face.h"

#include <QPainter>

namespace vz {

ClockFace::ClockFace(QWidget* form, QPoint centre) : QWidget(form) {
    setGeometry(centre.x() - kSide / 2, centre.y() - kSide / 2, kSide, kSide);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ClockFace::setTime(int hours, int minutes) {
    shown = hod::handAngles(hours, minutes);
    update();
}

void ClockFace::clearTime() {
    shown.reset();
    update();
}

void ClockFace::paintEvent(QPaintEvent*) {
    if (!shown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kSide / 2.0, kSide / 2.0);
    clock::paintHands(painter, *shown);
}

} // namespace vz
