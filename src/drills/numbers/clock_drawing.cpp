#include "clock_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace vz::clock {
namespace {

constexpr double kRing = 38;
constexpr double kNumeralRadius = 28;
constexpr double kNumeralHeight = 5.2;

} // namespace

QPointF handEnd(double degrees, double length) {
    const double radians = qDegreesToRadians(degrees);
    return {length * qSin(radians), -length * qCos(radians)};
}

void paintHands(QPainter& painter, const hod::HandAngles& angles) {
    painter.save();
    const auto hand = [&painter](double degrees, double length, double width) {
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, 0), handEnd(degrees, length));
    };
    hand(angles.minute, kMinuteHand, 2);
    hand(angles.hour, kHourHand, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x41, 0x3A)); // the pin over both hands
    painter.drawEllipse(QPointF(0, 0), 2.5, 2.5);
    painter.restore();
}

void paintDial(QPainter& painter) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QPointF(0, 0), kRing, kRing);
    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        painter.setPen(QPen(Qt::black, hour ? 1.5 : 0.6, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(handEnd(minute * 6, kRing - (hour ? 4.5 : 2.5)),
                         handEnd(minute * 6, kRing - 0.75));
    }
    // The numerals are drawn large and scaled down to their height, which
    // does not depend on the resolution of the device.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(100);
    QPainterPath probe;
    probe.addText(QPointF(0, 0), font, QStringLiteral("0"));
    const double scale = kNumeralHeight / probe.boundingRect().height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int hour = 1; hour <= 12; ++hour) {
        QPainterPath numeral;
        numeral.addText(QPointF(0, 0), font, QString::number(hour));
        numeral = QTransform::fromScale(scale, scale).map(numeral);
        const QPointF centre = handEnd(hour * 30, kNumeralRadius);
        painter.drawPath(numeral.translated(centre - numeral.boundingRect().center()));
    }
    painter.restore();
}

} // namespace vz::clock
