#pragma once

#include <QImage>
#include <QString>

namespace vz {

// Where the drawing of a picture lies, relative to the resource folder:
// "bmp/select/r_1a_0.bmp" -> "svg/bmp/select/r_1a_0.svgz".
QString pictureSourceName(const QString& pictureName);

// Draws a (gzip-compressed) SVG file on white for a screen with `density`
// pixels per stage unit: ceil(default size x density) pixels, with that
// devicePixelRatio. A null image when the file is missing or not SVG.
QImage renderSvgPicture(const QString& svgFile, qreal density);

// A picture drawn for the stage (one pixel per unit), smoothly scaled to
// `density`, with that devicePixelRatio.
QImage bitmapAtDensity(const QImage& stagePicture, qreal density);

// The pixel count of `units` stage units at `density`, rounded up.
int devicePixels(qreal units, qreal density);

} // namespace vz
