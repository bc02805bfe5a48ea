#include "resources.h"

#include "../store/app_error.h"
#include "globals.h"

#include <QFileInfo>
#include <QImageReader>

namespace vz {

QString resourceFile(const QString& name) {
    QString relative = name.toLower();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ResourceDir + relative;
}

QImage loadPicture(const QString& path) {
    QImage image = tryLoadPicture(path);
    if (image.isNull())
        throw cannotOpen(path);
    return image;
}

QImage tryLoadPicture(const QString& path) {
    // Read by the name's suffix first: guessing the format from the content
    // loads every image plugin Qt has, which took a sixth of the start-up.
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        image = QImage(path); // a picture of another format under that name
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage withTransparentColour(const QImage& image, QRgb key) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] | 0xFF000000u) == opaqueKey)
                line[x] = 0;
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace vz
