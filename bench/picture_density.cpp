// Time to draw the program's pictures from their drawings at the densities
// of today's screens: every picture once per density (as the first start on
// such a screen does), with the mean, the worst and the main menu's share.
// Usage: bench_picture_density <resource folder>
#include "app/globals.h"
#include "app/picture_render.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_picture_density <resource folder>\n");
        return 2;
    }
    vz::ResourceDir = QString::fromLocal8Bit(argv[1]) + '/';
    QStringList drawings;
    QDirIterator it(vz::ResourceDir + "svg", {"*.svgz"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        drawings << it.next();
    drawings.sort();
    vz::renderSvgPicture(drawings.value(0), 1); // fonts and renderer warmed up once

    std::printf("%-8s %8s %10s %10s %10s  %s\n", "density", "pictures", "total ms", "mean ms",
                "worst ms", "worst picture");
    for (const qreal density : {1.0, 1.6, 800.0 / 480, 2.25, 4.5}) {
        double total = 0, worst = 0;
        QString worstName;
        for (const QString& file : drawings) {
            QElapsedTimer clock;
            clock.start();
            const QImage image = vz::renderSvgPicture(file, density);
            const double ms = clock.nsecsElapsed() / 1e6;
            if (image.isNull())
                std::fprintf(stderr, "cannot draw %s\n", qPrintable(file));
            total += ms;
            if (ms > worst) {
                worst = ms;
                worstName = file.mid(vz::ResourceDir.size());
            }
        }
        std::printf("%-8.3g %8lld %10.1f %10.2f %10.1f  %s\n", density,
                    static_cast<long long>(drawings.size()), total, total / drawings.size(), worst,
                    qPrintable(worstName));
    }
    return 0;
}
