#include "resources.h"

#include "../store/app_error.h"
#include "globals.h"

#include "picture_cache.h"

#include <QGuiApplication>
#include <QScreen>

namespace vz {

QString resourceFile(const QString& name) {
    QString relative = name.toLower();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ResourceDir + relative;
}

namespace {
qreal chosenDensity = 0; // 0: not chosen, follow the screen
} // namespace

qreal pictureDensity() {
    if (chosenDensity > 0)
        return chosenDensity;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

void setPictureDensity(qreal density) {
    chosenDensity = density > 0 ? density : 0;
}

QImage loadPicture(const QString& path) {
    QImage image = tryLoadPicture(path);
    if (image.isNull())
        throw cannotOpen(path);
    return image;
}

QImage tryLoadPicture(const QString& path) {
    return pictureCache().picture(path, pictureDensity());
}

bool pictureExists(const QString& path) {
    return pictureFileExists(path);
}

namespace {

// An edge pixel at least this far from the key is taken as drawn, not mixed.
constexpr qreal kSurelyOpaque = 0.75;

// A pixel next to the key colour that is partly the key (the edge of a shape
// drawn between two screen pixels): how much of it is not the key, 0 ... 1.
qreal opacityAgainstKey(QRgb pixel, QRgb key) {
    qreal alpha = 0;
    for (const int shift : {16, 8, 0}) {
        const int p = (pixel >> shift) & 0xFF;
        const int k = (key >> shift) & 0xFF;
        if (p > k)
            alpha = qMax(alpha, qreal(p - k) / (255 - k));
        else if (p < k)
            alpha = qMax(alpha, qreal(k - p) / k);
    }
    return alpha;
}

} // namespace

QImage withTransparentColour(const QImage& image, QRgb key) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result = source;
    const QRgb opaqueKey = key | 0xFF000000u;
    // Beyond the border counts as the key: a curve meeting the picture's edge
    // leaves part-key pixels there too.
    const auto isKey = [&](int x, int y) {
        return x < 0 || y < 0 || x >= source.width() || y >= source.height() ||
               (source.pixel(x, y) | 0xFF000000u) == opaqueKey;
    };
    for (int y = 0; y < result.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((in[x] | 0xFF000000u) == opaqueKey) {
                out[x] = 0;
                continue;
            }
            if (!isKey(x - 1, y) && !isKey(x + 1, y) && !isKey(x, y - 1) && !isKey(x, y + 1))
                continue;
            // The key's share of an edge pixel goes see-through too, so no
            // fringe of the key colour stays around the shape.
            const qreal alpha = opacityAgainstKey(in[x], opaqueKey);
            if (alpha >= kSurelyOpaque)
                continue;
            const auto unmix = [&](int p, int k) {
                return qBound(0, qRound((p - (1 - alpha) * k) / qMax(alpha, 1e-6)), 255);
            };
            out[x] = qRgba(unmix(qRed(in[x]), qRed(key)), unmix(qGreen(in[x]), qGreen(key)),
                           unmix(qBlue(in[x]), qBlue(key)), qRound(alpha * qAlpha(in[x])));
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace vz
