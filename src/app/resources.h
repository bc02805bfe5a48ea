#pragma once

#include <QImage>
#include <QString>

namespace vz {

// The file under ResourceDir for a resource name written the old way, with
// backslashes and mixed case ("BMP\title.bmp" -> ResourceDir + "bmp/title.bmp").
QString resourceFile(const QString& name);

// Loads a picture; a missing or broken file raises "Cannot open file".
QImage loadPicture(const QString& path);

// Loads a picture, or returns a null image when it cannot be read.
QImage tryLoadPicture(const QString& path);

// A copy in which every pixel of the key colour is see-through.
QImage withTransparentColour(const QImage& image, QRgb key);

} // namespace vz
