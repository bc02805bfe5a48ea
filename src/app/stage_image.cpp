#include "stage_image.h"

#include "picture_render.h"
#include "resources.h"

#include <QtMath>

namespace vz {
namespace {

int deviceCoordinate(int units, qreal density) {
    return qRound(units * density);
}

} // namespace

QSize stageSize(const QImage& image) {
    // A picture of w units has ceil(w x density) pixels; floor gets w back.
    const qreal density = image.devicePixelRatio();
    return QSize(qFloor(image.width() / density + 1e-6), qFloor(image.height() / density + 1e-6));
}

QImage stageCopy(const QImage& image, const QRect& stageRect) {
    const qreal density = image.devicePixelRatio();
    QImage copy = image.copy(
        deviceCoordinate(stageRect.x(), density), deviceCoordinate(stageRect.y(), density),
        devicePixels(stageRect.width(), density), devicePixels(stageRect.height(), density));
    copy.setDevicePixelRatio(density);
    return copy;
}

QRgb stagePixel(const QImage& image, QPoint stagePoint) {
    if (image.isNull())
        return 0;
    const qreal density = image.devicePixelRatio();
    const int x = qBound(0, qFloor((stagePoint.x() + 0.5) * density), image.width() - 1);
    const int y = qBound(0, qFloor((stagePoint.y() + 0.5) * density), image.height() - 1);
    return image.pixel(x, y);
}

QColor stagePixelColor(const QImage& image, QPoint stagePoint) {
    return QColor::fromRgba(stagePixel(image, stagePoint));
}

QRectF deviceRect(const QImage& image, const QRectF& stageRect) {
    const qreal density = image.devicePixelRatio();
    return QRectF(stageRect.topLeft() * density, stageRect.size() * density);
}

QImage stageCanvas(QSize stageSize, QImage::Format format) {
    const qreal density = pictureDensity();
    QImage canvas(devicePixels(stageSize.width(), density),
                  devicePixels(stageSize.height(), density), format);
    canvas.setDevicePixelRatio(density);
    return canvas;
}

} // namespace vz
