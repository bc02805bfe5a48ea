#pragma once

#include <QImage>
#include <QString>

namespace vz {

// The file under ResourceDir for a resource name written the old way, with
// backslashes and mixed case ("BMP\title.bmp" -> ResourceDir + "bmp/title.bmp").
QString resourceFile(const QString& name);

// Pixels per stage unit of the pictures loaded from now on; until set, the
// primary screen's devicePixelRatio().
qreal pictureDensity();
void setPictureDensity(qreal density);

// Loads a picture drawn for pictureDensity(), its devicePixelRatio set to it:
// a bitmap at `path` if there is one (scaled smoothly), else the drawing
// "svg/bmp/....svgz" of the resource folder. A picture that is not there or
// cannot be read raises "Cannot open file". Sizes and positions in the stage
// are stage units; see stage_image.h.
QImage loadPicture(const QString& path);

// The same, or a null image when the picture cannot be read.
QImage tryLoadPicture(const QString& path);

// Whether the picture is there (as a bitmap or a drawing), without drawing it.
bool pictureExists(const QString& path);

// A copy in which every pixel of the key colour is see-through, and the
// edge pixels beside them that are partly the key colour partly so.
QImage withTransparentColour(const QImage& image, QRgb key);

} // namespace vz
