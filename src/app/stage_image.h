#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace vz {

// Pictures are drawn finer than the stage: devicePixelRatio() pixels make one
// stage unit. Every position and size the forms work with is in stage units;
// these turn them into the picture's pixels and back.

// The picture's size in stage units.
QSize stageSize(const QImage& image);

// The part of the picture under a stage rectangle, with the same density.
QImage stageCopy(const QImage& image, const QRect& stageRect);

// The colour at a stage point (the pixel at the middle of that unit),
// clamped to the picture.
QRgb stagePixel(const QImage& image, QPoint stagePoint);
QColor stagePixelColor(const QImage& image, QPoint stagePoint);

// A stage rectangle in the picture's pixels, for drawImage's source rectangle.
QRectF deviceRect(const QImage& image, const QRectF& stageRect);

// An empty picture of `stageSize` units at pictureDensity(), for drawing on.
QImage stageCanvas(QSize stageSize, QImage::Format format = QImage::Format_ARGB32_Premultiplied);

} // namespace vz
