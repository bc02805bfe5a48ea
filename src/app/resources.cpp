#include "resources.h"

#include "../store/app_error.h"
#include "globals.h"

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
    QImage image(path);
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
