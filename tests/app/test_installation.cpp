// The built installation itself: every file the program names is there, and
// the real program starts from it and refuses to run twice.

#include "app/application.h"
#include "app/globals.h"
#include "app/resources.h"
#include "app/stage_image.h"
#include "platform/single_instance.h"
#include "screens/game_catalogue.h"
#include "store/data_files.h"
#include "store/section_reader.h"
#include "support/fakes.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>

using namespace vz;

namespace {

const QString stage = QStringLiteral(VZ_STAGE_DIR);

} // namespace

class TestInstallation : public QObject {
    Q_OBJECT
private slots:
    void everyPictureTheShellNamesExistsAtItsSize_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        const QSize screen(640, 480);
        QTest::newRow("title") << "bmp/title.bmp" << screen;
        QTest::newRow("authors") << "bmp/help/autori.bmp" << screen;
        QTest::newRow("set-up help") << "bmp/help/setup.bmp" << screen;
        QTest::newRow("menu") << "bmp/select/bckg.bmp" << screen;
        QTest::newRow("exit") << "bmp/select/mkone.bmp" << QSize(91, 75);
        QTest::newRow("exit hover") << "bmp/select/mkoneh.bmp" << QSize(91, 75);
        for (const char* name : {"hint_1", "hint_1r"})
            QTest::newRow(name) << QString("bmp/%1.bmp").arg(name) << QSize(10, 34);
        for (const char* name : {"hint_3", "hint_3r"})
            QTest::newRow(name) << QString("bmp/%1.bmp").arg(name) << QSize(17, 34);
        QTest::newRow("hint2_1") << "bmp/hint2_1.bmp" << QSize(10, 55);
        QTest::newRow("hint2_3") << "bmp/hint2_3.bmp" << QSize(17, 55);
        for (int g = 1; g <= 7; ++g) {
            for (int state = 0; state < 2; ++state) {
                const QString name = QString("bmp/select/l_%1_%2.bmp").arg(g).arg(state);
                QTest::newRow(qPrintable(name)) << name << QSize(300, 46);
            }
        }
    }
    void everyPictureTheShellNamesExistsAtItsSize() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        // The build installs drawings only: a bitmap at the picture's name
        // would be taken for a school's own picture and hide the drawing.
        QVERIFY2(!QFile::exists(stage + "/res/" + file), qPrintable(file));
        ResourceDir = stage + "/res/";
        setPictureDensity(1);
        const QImage image = tryLoadPicture(ResourceDir + file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(stageSize(image), size);
    }

    void everyPictureAFormNamesExists_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        const QSize screen(640, 480);
        for (const GameInfo& game : GameCatalogue()) {
            const QString cc = game.code();
            QTest::newRow(qPrintable("menu " + cc))
                << "bmp/select/r_" + cc + "_0.bmp" << QSize(300, 40);
            QTest::newRow(qPrintable("menu hover " + cc))
                << "bmp/select/r_" + cc + "_1.bmp" << QSize(300, 40);
            QTest::newRow(qPrintable("set-up " + cc)) << "bmp/setup/bg_0" + cc + ".bmp" << screen;
            QTest::newRow(qPrintable("exercise " + cc)) << "bmp/bg_0" + cc + ".bmp" << screen;
            QTest::newRow(qPrintable("table " + cc)) << "bmp/tab/0" + cc + ".bmp" << screen;
            QTest::newRow(qPrintable("help " + cc)) << "bmp/help/bg_0" + cc + ".bmp" << screen;
        }
        for (int step : {9, 10, 12}) {
            for (int k = 1; k <= (step == 12 ? 4 : 5); ++k) {
                const int count = step == 10 ? 5 + 5 * k : step * k;
                for (int state = 0; state < 2; ++state) {
                    const QString name = QString("bmp/setup/%1_%2_%3.bmp")
                                             .arg(step, 2, 10, QChar('0'))
                                             .arg(count, 2, 10, QChar('0'))
                                             .arg(state);
                    QTest::newRow(qPrintable(name)) << name << QSize(k == 1 ? 35 : 43, 29);
                }
            }
        }
        for (const char* dial : {"10", "15", "20", "25", "30"})
            QTest::newRow(dial) << QString("bmp/setup/sipka_%1.bmp").arg(dial) << QSize(95, 100);
        for (const char* button : {"mzpet", "mtab", "mnove", "mkont", "setup/mzpet"}) {
            QTest::newRow(button) << QString("bmp/%1.bmp").arg(button) << QSize(91, 75);
            QTest::newRow(button) << QString("bmp/%1h.bmp").arg(button) << QSize(91, 75);
        }
        QTest::newRow("right mark") << "bmp/check_ok.bmp" << QSize(32, 32);
        QTest::newRow("wrong mark") << "bmp/check_ko.bmp" << QSize(32, 32);
        QTest::newRow("continue") << "bmp/pokracuj.bmp" << QSize(94, 23);
        QTest::newRow("print") << "bmp/tiskni.bmp" << QSize(96, 23);
        QTest::newRow("help off") << "bmp/setup/nap_0.bmp" << QSize(26, 26);
        QTest::newRow("help on") << "bmp/setup/nap_1.bmp" << QSize(26, 26);
        for (const char* five : {"bg_01d_5", "bg_03d_5", "bg_06a_5", "bg_07e_5", "bg_07e_s"})
            QTest::newRow(five) << QString("bmp/%1.bmp").arg(five) << screen;
        QTest::newRow("answer summary help") << "bmp/help/5b_sum.bmp" << screen;
        QTest::newRow("topics help") << "bmp/help/07e_s.bmp" << screen;
    }
    void everyPictureAFormNamesExists() { everyPictureTheShellNamesExistsAtItsSize(); }

    void soundsAreRealWaveFiles() {
        for (const char* name : {"click", "enter"}) {
            QFile file(stage + QString("/res/sound/%1.wav").arg(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray wav = file.readAll();
            QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
            QVERIFY(wav.size() > 500);
            bool audible = false;
            for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
                audible = audible || qAbs(qint16(uchar(wav[i]) | (uchar(wav[i + 1]) << 8))) > 3000;
            QVERIFY2(audible, name);
        }
    }

    void dataFilesAreInPlace() {
        const QStringList data = loadScrambledLines(stage + "/data/data.dat");
        for (const char* header : {"[1a]", "[3c]", "[4c]"})
            QVERIFY(!readSection(data, header).isEmpty());
        QFile grades(stage + "/data/Znamky.dat");
        QVERIFY(grades.open(QIODevice::ReadOnly));
        QCOMPARE(grades.readAll(),
                 QByteArray("90|100|\r\n75|89|\r\n50|74|\r\n30|49|\r\n0|29|\r\n"));
        QVERIFY(QFile::exists(stage + "/data/tab.dat"));
        QVERIFY(QFile::exists(stage + "/data/Vysledky.dat"));
        QVERIFY(QFile::exists(stage + "/res/font/LiberationSans-Regular.ttf"));
    }

    void realProgramStartsAndASecondCopyEndsSilently() {
        QProcess first;
        first.setProcessEnvironment(offscreen());
        first.start(stage + "/vevider", {});
        QVERIFY(first.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(first.state(), QProcess::Running); // started from its INI, title up

        QProcess second;
        second.setProcessEnvironment(offscreen());
        second.start(stage + "/vevider", {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        QCOMPARE(first.state(), QProcess::Running); // the first copy is untouched

        first.terminate();
        if (!first.waitForFinished(5000))
            first.kill();
    }

private:
    static QProcessEnvironment offscreen() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }
};

VZ_GUI_TEST_MAIN(TestInstallation)
#include "test_installation.moc"
