#include "picture_render.h"

#include "globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QSvgRenderer>
#include <QThread>
#include <QtMath>
#include <thread>
#include <vector>

namespace vz {
namespace {

// The drawings name the program's typeface; a machine without it installed
// gets the copy in the resource folder, registered before the first drawing.
void ensureScreenFonts() {
    static QString registeredFrom;
    if (registeredFrom == ResourceDir)
        return;
    registeredFrom = ResourceDir;
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        return;
    const QDir fonts(ResourceDir + QStringLiteral("font"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

// From this size on, a picture is drawn in bands on several cores.
constexpr qint64 kPixelsForBands = 1'000'000;
constexpr int kMostBands = 4;

// Draws the part of the whole picture (of `whole` pixels) that `band` holds,
// starting at row `top`. Over every pixel, the last one too: a drawing that
// ended inside it would leave that column part white, a light seam along the
// picture's edge at factors like 1.6.
void drawInto(QSvgRenderer& renderer, QImage& band, int top, QSize whole) {
    QPainter painter(&band);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(0, -top);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(whole)));
}

} // namespace

QString pictureSourceName(const QString& pictureName) {
    const QFileInfo info(pictureName);
    const QString dir = info.path() == QLatin1String(".") ? QString() : info.path() + '/';
    return QStringLiteral("svg/") + dir + info.completeBaseName() + QStringLiteral(".svgz");
}

int devicePixels(qreal units, qreal density) {
    // 1e-6 keeps 640 x 1.6 at 1024 when the product comes out a hair above.
    return qCeil(units * density - 1e-6);
}

QImage renderSvgPicture(const QString& svgFile, qreal density) {
    QFile file(svgFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray drawing = file.readAll(); // gzip-compressed or not, the renderer reads both
    ensureScreenFonts();
    QSvgRenderer renderer(drawing);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        return {};
    QImage image(devicePixels(renderer.defaultSize().width(), density),
                 devicePixels(renderer.defaultSize().height(), density),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);

    // A whole-screen picture on a large screen takes a while to draw: its
    // bands are drawn side by side, each by a renderer of its own.
    const int bands = qint64(image.width()) * image.height() >= kPixelsForBands
                          ? qBound(1, QThread::idealThreadCount(), kMostBands)
                          : 1;
    const int bandHeight = (image.height() + bands - 1) / bands;
    uchar* const bits = image.bits();
    const auto drawBand = [&](QSvgRenderer& bandRenderer, int top) {
        QImage band(bits + qsizetype(top) * image.bytesPerLine(), image.width(),
                    qMin(bandHeight, image.height() - top), image.bytesPerLine(), image.format());
        drawInto(bandRenderer, band, top, image.size());
    };
    std::vector<std::thread> helpers;
    for (int top = bandHeight; top < image.height(); top += bandHeight) {
        helpers.emplace_back([&, top] {
            QSvgRenderer own(drawing);
            drawBand(own, top);
        });
    }
    drawBand(renderer, 0);
    for (std::thread& helper : helpers)
        helper.join();
    image.setDevicePixelRatio(density);
    return image;
}

QImage bitmapAtDensity(const QImage& stagePicture, qreal density) {
    if (stagePicture.isNull())
        return {};
    QImage image = stagePicture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    if (!qFuzzyCompare(density, 1.0))
        image = image.scaled(devicePixels(image.width(), density),
                             devicePixels(image.height(), density), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    image.setDevicePixelRatio(density);
    return image;
}

} // namespace vz
