#include "app/application.h"
#include "platform/cursor_file.h"
#include "platform/install_ini.h"
#include "platform/single_instance.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;
using namespace vz::platform;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void iniValuesIgnoreLetterCaseAndKeepBackslashes() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("VEVIDER.INI");
        write(ini, "; installation\r\n[Other]\r\nCD=wrong\r\n[did1]\r\n cd = C:\\Vevider\\res\\ "
                   "\r\nHd=\"/srv/data\"\r\n"
                   "[Next]\r\nHD=wrong\r\n");
        QCOMPARE(readIniValue(ini, "DID1", "CD"), QString("C:\\Vevider\\res\\"));
        QCOMPARE(readIniValue(ini, "DID1", "HD"), QString("/srv/data"));
        QCOMPARE(readIniValue(ini, "DID1", "XX"), QString());
        QCOMPARE(readIniValue(dir.filePath("none.ini"), "DID1", "CD"), QString());
    }

    void iniValuesAreWindows1250() {
        QTemporaryDir dir;
        write(dir.filePath("VEVIDER.INI"), "[DID1]\r\nHD=/home/\x9Akola\r\n");
        QCOMPARE(readIniValue(dir.filePath("VEVIDER.INI"), "DID1", "HD"),
                 QStringLiteral("/home/škola"));
    }

    void iniIsLookedForBesideTheProgramFirst() {
        QTemporaryDir dir;
        write(dir.filePath("system/VEVIDER.INI"), "[DID1]\r\n");
        QCOMPARE(findInstallIni({dir.filePath("program"), dir.filePath("system")}),
                 std::optional<QString>(dir.filePath("system/VEVIDER.INI")));
        write(dir.filePath("program/VEVIDER.INI"), "[DID1]\r\n");
        QCOMPARE(findInstallIni({dir.filePath("program"), dir.filePath("system")}),
                 std::optional<QString>(dir.filePath("program/VEVIDER.INI")));
        QVERIFY(!findInstallIni({dir.filePath("nowhere")}));
    }

    void onlyOneInstanceHoldsTheLock() {
        QTemporaryDir dir;
        const QString lock = dir.filePath("x.lock");
        {
            SingleInstance first(lock);
            QVERIFY(first.isFirst());
            SingleInstance second(lock);
            QVERIFY(!second.isFirst());
        }
        SingleInstance again(lock);
        QVERIFY(again.isFirst());
        // No lock can be made there: the program runs rather than end unseen.
        QVERIFY(SingleInstance(dir.filePath("gone/x.lock")).isFirst());
    }

    void cursorSurvivesEncodingWithItsHotSpot() {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(4, 6, 10, 12, QColor(20, 40, 60));
        image.setPixel(31, 31, qRgba(200, 100, 50, 128));
        const QByteArray bytes = encodeCursor(image, QPoint(5, 7));
        QCOMPARE(bytes.left(4), QByteArray("\0\0\2\0", 4));
        const auto cursor = decodeCursor(bytes);
        QVERIFY(cursor);
        QCOMPARE(cursor->hotSpot, QPoint(5, 7));
        QCOMPARE(cursor->image.size(), QSize(32, 32));
        QCOMPARE(cursor->image.pixel(5, 7), qRgba(20, 40, 60, 255));
        QCOMPARE(qAlpha(cursor->image.pixel(0, 0)), 0);
        QCOMPARE(cursor->image.pixel(31, 31), qRgba(200, 100, 50, 128));
    }

    void brokenCursorFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QImage image(16, 16, QImage::Format_ARGB32);
        const QByteArray good = encodeCursor(image, QPoint(0, 0));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("an icon, not a cursor") << QByteArray(good).replace(2, 1, "\1");
        QTest::newRow("cut short") << good.left(good.size() - 40);
        QTest::newRow("offset past the end") << QByteArray(good).replace(18, 4, "\xFF\xFF\0\0");
    }
    void brokenCursorFilesAreRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!decodeCursor(bytes));
    }

    void installedCursorsHaveHotSpotsInsideTheirPicture() {
        for (const char* name : {"arrow", "hand", "help"}) {
            const auto cursor =
                readCursorFile(QStringLiteral(VZ_STAGE_RES_DIR "/cur/%1.cur").arg(name));
            QVERIFY2(cursor, name);
            QVERIFY(QRect(QPoint(0, 0), cursor->image.size()).contains(cursor->hotSpot));
            QVERIFY(qAlpha(cursor->image.pixel(0, cursor->image.height() - 1)) == 0 ||
                    qAlpha(cursor->image.pixel(cursor->image.width() - 1, 0)) == 0);
        }
    }
};

VZ_GUI_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
