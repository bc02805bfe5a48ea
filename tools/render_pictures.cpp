// Makes every picture and cursor of the pictures lists from its SVG source.
// A picture is written as its SVG with the placeholders filled, compressed
// (svg/bmp/x.svgz for the picture bmp/x.bmp); the program draws it at the
// screen's density. Cursors are rendered into .cur files.
// Usage: vz_render_pictures <assets dir> <resource dir> <list[,list...]> [font.ttf ...]

#include "app/picture_render.h"
#include "gzip_file.h"
#include "manifest.h"
#include "platform/cursor_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <stdexcept>

namespace {

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + path).toStdString());
    return QString::fromUtf8(file.readAll());
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}

QPoint hotSpotOf(const vz::tools::PictureJob& job) {
    const QStringList xy = job.options.value(QStringLiteral("hotspot")).split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    const QPoint hot(xy.value(0).toInt(&okX), xy.value(1).toInt(&okY));
    if (xy.size() != 2 || !okX || !okY)
        throw std::runtime_error(
            QStringLiteral("line %1: a cursor needs hotspot=X,Y").arg(job.line).toStdString());
    return hot;
}

void make(const vz::tools::PictureJob& job, const QString& assetsDir, const QString& resDir) {
    const QString svg = vz::tools::fillPlaceholders(readText(QDir(assetsDir).filePath(job.source)),
                                                    job.placeholders);
    QSvgRenderer renderer(svg.toUtf8());
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        throw std::runtime_error(QStringLiteral("line %1: %2 is not valid SVG with a size")
                                     .arg(job.line)
                                     .arg(job.source)
                                     .toStdString());
    if (!job.output.endsWith(QLatin1String(".cur"))) {
        writeFile(QDir(resDir).filePath(vz::pictureSourceName(job.output)),
                  vz::tools::gzipCompress(svg.toUtf8()));
        return;
    }
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }
    writeFile(QDir(resDir).filePath(job.output), vz::platform::encodeCursor(image, hotSpotOf(job)));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        QTextStream(stderr)
            << "usage: vz_render_pictures <assets dir> <resource dir> <list[,list...]> [fonts]\n";
        return 2;
    }
    try {
        for (const QString& font : args.mid(4)) {
            if (QFontDatabase::addApplicationFont(font) < 0)
                throw std::runtime_error(("cannot load font " + font).toStdString());
        }
        QVector<vz::tools::PictureJob> jobs;
        for (const QString& list : args[3].split(QLatin1Char(',')))
            jobs += vz::tools::readPictureList(readText(list));
        for (const auto& job : jobs)
            make(job, args[1], args[2]);
        QTextStream(stdout) << "made " << jobs.size() << " pictures\n";
    } catch (const std::exception& error) {
        QTextStream(stderr) << "vz_render_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
