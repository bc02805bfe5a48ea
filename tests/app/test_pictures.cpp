// Pictures drawn for the screen's density: size, likeness to the stage-sized
// picture, a school's own bitmap winning, errors, the cache, stage units.

#include "app/globals.h"
#include "app/picture_cache.h"
#include "app/picture_render.h"
#include "app/resources.h"
#include "gzip_file.h"
#include "store/app_error.h"
#include "support/picture_compare.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

using namespace vz;
using namespace vz::test;

namespace {

const QString builtRes = QStringLiteral(VZ_STAGE_RES_DIR "/");

// `size` stage units at `density`: red left of stage column `split`, blue from it.
QImage halves(QSize size, int split, qreal density) {
    QImage image(qCeil(size.width() * density), qCeil(size.height() * density),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(QRect(0, 0, split, size.height()), Qt::red);
    return image;
}

QImage shrunk(const QImage& image, QSize size) {
    QImage result = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(1);
    return result;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResourceDir = builtRes;
        setPictureDensity(0);
    }

    void drawnAtTheDensity_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("density");
        QTest::addColumn<QSize>("stage");
        QTest::addColumn<QSize>("pixels");
        const QSize screen(640, 480);
        QTest::newRow("menu 1") << "bmp/select/bckg.bmp" << 1.0 << screen << screen;
        QTest::newRow("menu 1.6") << "bmp/select/bckg.bmp" << 1.6 << screen << QSize(1024, 768);
        QTest::newRow("menu 2.25") << "bmp/select/bckg.bmp" << 2.25 << screen << QSize(1440, 1080);
        // 34 x 1.6 = 54.4 and 23 x 2.25 = 51.75: rounded up
        QTest::newRow("hint 1.6") << "bmp/hint_1.bmp" << 1.6 << QSize(10, 34) << QSize(16, 55);
        QTest::newRow("continue 2.25")
            << "bmp/pokracuj.bmp" << 2.25 << QSize(94, 23) << QSize(212, 52);
    }
    void drawnAtTheDensity() {
        QFETCH(QString, name);
        QFETCH(qreal, density);
        QFETCH(QSize, stage);
        QFETCH(QSize, pixels);
        setPictureDensity(density);
        const QImage image = loadPicture(resourceFile(name));
        QCOMPARE(image.size(), pixels);
        QCOMPARE(image.devicePixelRatio(), density);
        QCOMPARE(stageSize(image), stage);
    }

    void finerPictureLooksLikeTheStageOne_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("density");
        for (const QString name : {"bmp/select/bckg.bmp", "bmp/setup/sipka_20.bmp"}) {
            QTest::newRow(qPrintable(name + " 2")) << name << 2.0;
            QTest::newRow(qPrintable(name + " 1.6")) << name << 1.6;
        }
        // drawn in bands on several cores
        QTest::newRow("bmp/select/bckg.bmp 4.5") << "bmp/select/bckg.bmp" << 4.5;
    }
    void finerPictureLooksLikeTheStageOne() {
        QFETCH(QString, name);
        QFETCH(qreal, density);
        setPictureDensity(1);
        const QImage coarse = loadPicture(resourceFile(name));
        setPictureDensity(density);
        const QImage fine = loadPicture(resourceFile(name));
        // at half the stage size: stripes one unit apart alias differently
        const QSize half = coarse.size() / 2;
        QVERIFY(alike(shrunk(coarse, half), shrunk(stageCopy(fine, coarse.rect()), half), 6.0));
        QImage white(half, QImage::Format_ARGB32);
        white.fill(Qt::white);
        QVERIFY(!alike(shrunk(coarse, half), white, 1.0));
    }

    // A large picture is drawn in bands on several cores; put together they
    // must be the very picture one renderer draws.
    void picturesDrawnInBandsHaveNoSeams() {
        const QString drawing = ResourceDir + pictureSourceName("bmp/select/bckg.bmp");
        const QImage banded = renderSvgPicture(drawing, 4.5);
        QImage whole(banded.size(), QImage::Format_ARGB32_Premultiplied);
        whole.fill(Qt::white);
        {
            QPainter painter(&whole);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                   QPainter::SmoothPixmapTransform);
            QSvgRenderer(drawing).render(&painter, QRectF(whole.rect()));
        }
        whole.setDevicePixelRatio(4.5);
        QCOMPARE(banded, whole);
    }

    void schoolsOwnBitmapWins_data() {
        QTest::addColumn<qreal>("density");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.6") << 1.6;
        QTest::newRow("2") << 2.0;
    }
    void schoolsOwnBitmapWins() {
        QFETCH(qreal, density);
        QTemporaryDir res;
        QVERIFY(QDir().mkpath(res.filePath("svg/bmp")) && QDir().mkpath(res.filePath("bmp")));
        QVERIFY(
            QFile::copy(builtRes + "svg/bmp/check_ok.svgz", res.filePath("svg/bmp/check_ok.svgz")));
        ResourceDir = res.path() + '/';
        setPictureDensity(density);
        QCOMPARE(stageSize(loadPicture(resourceFile("bmp\\check_ok.bmp"))), QSize(32, 32));

        QVERIFY(halves(QSize(40, 20), 20, 1).save(res.filePath("bmp/check_ok.bmp"), "BMP"));
        const QImage own = loadPicture(resourceFile("bmp\\check_ok.bmp"));
        QCOMPARE(own.devicePixelRatio(), density);
        QCOMPARE(own.size(), QSize(qCeil(40 * density - 1e-6), qCeil(20 * density - 1e-6)));
        QCOMPARE(QColor(stagePixel(own, QPoint(5, 10))), QColor(Qt::red));
        QCOMPARE(QColor(stagePixel(own, QPoint(35, 10))), QColor(Qt::blue));
    }

    void missingOrBrokenPictureIsAnError_data() {
        QTest::addColumn<QByteArray>("drawing"); // empty: none at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not SVG") << QByteArray("no picture");
        QTest::newRow("no size") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg'/>");
    }
    void missingOrBrokenPictureIsAnError() {
        QFETCH(QByteArray, drawing);
        QTemporaryDir res;
        ResourceDir = res.path() + '/';
        QDir().mkpath(res.filePath("svg/bmp"));
        QFile file(res.filePath("svg/bmp/x.svgz"));
        if (!drawing.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(tools::gzipCompress(drawing)));
        file.close();
        const QString path = resourceFile("bmp\\x.bmp");
        QCOMPARE(pictureExists(path), !drawing.isEmpty()); // there, though broken
        QVERIFY(tryLoadPicture(path).isNull());
        try {
            loadPicture(path);
            QFAIL("no error");
        } catch (const AppError& error) {
            QCOMPARE(error.message(), cannotOpen(path).message());
        }
    }

    void aPictureIsDrawnOncePerDensity() {
        PictureCache cache;
        const QString path = resourceFile("bmp\\select\\bckg.bmp");
        const QImage first = cache.picture(path, 1.6);
        QCOMPARE(cache.picture(path, 1.6).constBits(), first.constBits()); // shared pixels
        QCOMPARE(cache.misses(), 1);
        QCOMPARE(cache.picture(path, 2).size(), QSize(1280, 960));
        cache.picture(resourceFile("bmp\\pokracuj.bmp"), 1.6);
        cache.picture(path, 2);
        QCOMPARE(cache.misses(), 3);
    }

    void stageUnitsMapToPixels_data() { schoolsOwnBitmapWins_data(); }
    void stageUnitsMapToPixels() {
        QFETCH(qreal, density);
        const QImage image = halves(QSize(60, 30), 25, density);
        QCOMPARE(stageSize(image), QSize(60, 30));
        QCOMPARE(QColor(stagePixel(image, QPoint(24, 29))), QColor(Qt::red));
        QCOMPARE(stagePixelColor(image, QPoint(25, 0)), QColor(Qt::blue));
        QCOMPARE(stagePixelColor(image, QPoint(500, 500)), QColor(Qt::blue)); // clamped

        const QImage copy = stageCopy(image, QRect(20, 5, 10, 10));
        QCOMPARE(copy.devicePixelRatio(), density);
        QCOMPARE(stageSize(copy), QSize(10, 10));
        QCOMPARE(QColor(stagePixel(copy, QPoint(4, 9))), QColor(Qt::red));
        QCOMPARE(QColor(stagePixel(copy, QPoint(5, 0))), QColor(Qt::blue));

        const QImage keyed = withTransparentColour(image, stagePixel(image, QPoint(1, 1)));
        QCOMPARE(keyed.devicePixelRatio(), density);
        QCOMPARE(qAlpha(stagePixel(keyed, QPoint(1, 1))), 0);
        QCOMPARE(qAlpha(stagePixel(keyed, QPoint(40, 1))), 255);

        setPictureDensity(density);
        QImage canvas = stageCanvas(QSize(60, 30));
        QCOMPARE(stageSize(canvas), QSize(60, 30));
        canvas.fill(Qt::white);
        QPainter(&canvas).drawImage(0, 0, copy);
        QCOMPARE(QColor(stagePixel(canvas, QPoint(7, 7))), QColor(Qt::blue));
        QCOMPARE(QColor(stagePixel(canvas, QPoint(12, 7))), QColor(Qt::white));
    }

    // A shape's edge drawn between two screen pixels is partly the key colour:
    // that part goes see-through too, not a pink fringe. Middle row: key,
    // pixel, a gap, a pink pixel away from the key that stays as drawn, and a
    // mostly-key pixel on the border, where a curve met the picture's edge.
    void keyedEdgesLoseTheKeyColour_data() {
        QTest::addColumn<QColor>("edge");
        QTest::addColumn<int>("least");
        QTest::addColumn<int>("most");
        QTest::newRow("half key, half navy") << QColor(137, 31, 178) << 100 << 140;
        QTest::newRow("mostly key") << QColor(230, 10, 235) << 0 << 40;
        QTest::newRow("yellow face") << QColor(255, 210, 63) << 255 << 255;
        QTest::newRow("navy outline") << QColor(20, 63, 102) << 255 << 255;
    }
    void keyedEdgesLoseTheKeyColour() {
        QFETCH(QColor, edge);
        QFETCH(int, least);
        QFETCH(int, most);
        QImage picture(5, 3, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        for (const auto& [x, colour] : {std::pair{0, QColor(Qt::magenta)},
                                        {1, edge},
                                        {3, QColor(137, 31, 178)},
                                        {4, QColor(230, 10, 235)}})
            picture.setPixelColor(x, 1, colour);
        const QImage keyed = withTransparentColour(picture, picture.pixel(0, 1));
        QCOMPARE(qAlpha(keyed.pixel(0, 1)), 0);
        QVERIFY2(qAlpha(keyed.pixel(1, 1)) >= least && qAlpha(keyed.pixel(1, 1)) <= most,
                 qPrintable(QString::number(qAlpha(keyed.pixel(1, 1)))));
        QCOMPARE(keyed.pixel(3, 1), picture.pixel(3, 1));
        QVERIFY(qAlpha(keyed.pixel(4, 1)) <= 40);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
