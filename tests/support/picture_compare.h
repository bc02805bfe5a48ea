#pragma once

#include "app/stage_image.h"

#include <QImage>

namespace vz::test {

// Pictures drawn for a fine screen are compared in stage units and with some
// tolerance: a picture drawn into another at a stage position that falls
// between two screen pixels is resampled.

// Two colours differ by at most `tolerance` in each channel.
inline bool alike(QRgb a, QRgb b, int tolerance = 48) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance && qAbs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

// Two pictures of one stage size whose pixels differ by at most `mean` on average.
inline bool alike(const QImage& a, const QImage& b, double mean = 4.0) {
    if (stageSize(a) != stageSize(b))
        return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32)
                         .scaled(x.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                   qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * qMax(1, x.width() * x.height())) <= mean;
}

} // namespace vz::test
