#include "clock_face.h"

#include <QPainter>
#include <QtMath>

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

QPointF ClockFace::handEnd(double degrees, double length) {
    const double radians = qDegreesToRadians(degrees);
    return {length * qSin(radians), -length * qCos(radians)};
}

void ClockFace::paintEvent(QPaintEvent*) {
    if (!shown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kSide / 2.0, kSide / 2.0);
    const auto hand = [&painter](double degrees, double length, double width) {
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, 0), handEnd(degrees, length));
    };
    hand(shown->minute, kMinuteHand, 2);
    hand(shown->hour, kHourHand, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x41, 0x3A)); // the pin over both hands
    painter.drawEllipse(QPointF(0, 0), 2.5, 2.5);
}

} // namespace vz
