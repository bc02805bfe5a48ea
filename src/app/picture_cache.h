#pragma once

#include <QCache>
#include <QImage>
#include <QString>

namespace vz {

// The pictures drawn so far, by file and density: a picture shown twice is
// drawn once. The copies handed out share their pixels with the cache.
class PictureCache {
public:
    explicit PictureCache(qsizetype maxKilobytes = 256 * 1024);

    // The picture for ResourceDir-relative or absolute `path` ("…/bmp/x.bmp"):
    // a bitmap at that path wins (a school's own picture), scaled to the
    // density; otherwise the drawing under svg/ is rendered. Null when neither
    // can be read.
    QImage picture(const QString& path, qreal density);

    // How many pictures were drawn or read from disk, not taken from the cache.
    int misses() const { return missCount; }
    void clear() { cache.clear(); }

private:
    QCache<QString, QImage> cache;
    int missCount = 0;
};

// Whether `path` has a bitmap or a drawing, without reading either.
bool pictureFileExists(const QString& path);

// The program's one cache.
PictureCache& pictureCache();

} // namespace vz
