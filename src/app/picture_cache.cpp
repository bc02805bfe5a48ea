#include "picture_cache.h"

#include "globals.h"
#include "picture_render.h"

#include <QFileInfo>
#include <QImageReader>

namespace vz {
namespace {

QImage readBitmap(const QString& path) {
    // Read by the name's suffix first: guessing the format from the content
    // loads every image plugin Qt has, which took a sixth of the start-up.
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        image = QImage(path); // a picture of another format under that name
    return image;
}

QString drawingFor(const QString& path) {
    if (!ResourceDir.isEmpty() && path.startsWith(ResourceDir))
        return ResourceDir + pictureSourceName(path.mid(ResourceDir.size()));
    return {};
}

} // namespace

PictureCache::PictureCache(qsizetype maxKilobytes) : cache(maxKilobytes) {}

QImage PictureCache::picture(const QString& path, qreal density) {
    const bool bitmap = QFileInfo(path).isFile();
    const QString key =
        QStringLiteral("%1|%2|%3").arg(path).arg(density, 0, 'g', 8).arg(bitmap ? 'b' : 's');
    if (const QImage* hit = cache.object(key))
        return *hit;
    ++missCount;
    const QImage image = bitmap ? bitmapAtDensity(readBitmap(path), density)
                                : renderSvgPicture(drawingFor(path), density);
    if (!image.isNull())
        cache.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes() / 1024));
    return image;
}

bool pictureFileExists(const QString& path) {
    if (QFileInfo(path).isFile())
        return true;
    const QString drawing = drawingFor(path);
    return !drawing.isEmpty() && QFileInfo(drawing).isFile();
}

PictureCache& pictureCache() {
    static PictureCache cache;
    return cache;
}

} // namespace vz
