#include "app/application.h"
#include "app/cursors.h"
#include "app/globals.h"
#include "controls/labels.h"
#include "screens/backdrop.h"
#include "screens/help_window.h"
#include "screens/hint_windows.h"
#include "screens/select_form.h"
#include "store/scramble.h"
#include "support/fakes.h"
#include "support/temp_install.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

using namespace vz;
using namespace vz::test;
using Result = MainSequence::StartResult;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() {
        resetGlobals();
        fakes = std::make_unique<Fakes>();
    }
    void cleanup() { fakes.reset(); }

    void brokenInstallationShowsTheInstallationMessage_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("removed");
        QTest::newRow("no INI file") << QString() << QString("etc/VEVIDER.INI");
        QTest::newRow("CD empty") << QString("[DID1]\nCD=\nHD=%data") << QString();
        QTest::newRow("HD missing") << QString("[DID1]\nCD=%res") << QString();
        QTest::newRow("no DID1 section") << QString("[Other]\nCD=%res\nHD=%data") << QString();
        QTest::newRow("HD is a file")
            << QString("[DID1]\nCD=%res\nHD=%data/Znamky.dat") << QString();
        QTest::newRow("HD does not exist")
            << QString("[DID1]\nCD=%res\nHD=%data/gone") << QString();
        QTest::newRow("no title picture") << QString() << QString("res/svg/bmp/title.svgz");
    }
    void brokenInstallationShowsTheInstallationMessage() {
        QFETCH(QString, ini);
        QFETCH(QString, removed);
        TempInstall install;
        if (!ini.isEmpty())
            install.writeIni(
                QString(ini).replace("%res", install.resDir()).replace("%data", install.dataDir()));
        if (!removed.isEmpty())
            install.remove(removed);
        const QByteArray tabBefore = install.readScrambled("tab.dat").join('\n').toUtf8();
        {
            MainSequence program(install.options());
            QCOMPARE(program.start(), Result::InstallationBroken);
            QCOMPARE(program.run(), 0);
        }
        QCOMPARE(fakes->boxes->stops, QStringList{kInstallMessage});
        QCOMPARE(install.display->applies, 0); // the screen was never touched
        QCOMPARE(install.readScrambled("tab.dat").join('\n').toUtf8(), tabBefore);
    }

    void unreadableDataFileReportsCannotOpenWithThePath_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("data.dat") << "data.dat";
        QTest::newRow("tab.dat") << "tab.dat";
    }
    void unreadableDataFileReportsCannotOpenWithThePath() {
        QFETCH(QString, file);
        TempInstall install;
        install.remove("data/" + file);
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::DataFileUnreadable);
        QCOMPARE(fakes->boxes->stops.size(), 1);
        QVERIFY(fakes->boxes->stops[0].contains("Cannot open file"));
        QVERIFY(fakes->boxes->stops[0].contains(install.dataDir() + "/" + file));
        QCOMPARE(install.display->applies, 0);
    }

    void unsoundGradeScaleEndsTheStartNamingTheFile() {
        TempInstall install;
        QFile scale(install.dataDir() + "/Znamky.dat");
        QVERIFY(scale.open(QIODevice::WriteOnly));
        scale.write("90|100|\r\n75|89|\r\n50|70|\r\n30|49|\r\n0|29|\r\n"); // 71 ... 74 missing
        scale.close();
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::DataFileUnreadable);
        QCOMPARE(fakes->boxes->stops.size(), 1);
        QVERIFY(fakes->boxes->stops[0].contains(install.dataDir() + "/Znamky.dat"));
        QCOMPARE(install.display->applies, 0);
    }

    // A NUL in the middle of tab.dat once cut off every table behind it, and
    // the exit wrote the shortened file back.
    void damagedTabFileIsReadWholeKeptBesideAndToldOnce() {
        TempInstall install;
        const char raw[] = "[1]\r\nEva|10|0|1\r\n\0\x01[2]\r\nJan|9|1|1\r\n";
        QByteArray bytes(raw, sizeof raw - 1);
        ScrambleStream(bytes);
        const QString tabPath = install.dataDir() + "/tab.dat";
        QFile tab(tabPath);
        QVERIFY(tab.open(QIODevice::WriteOnly));
        tab.write(bytes);
        tab.close();
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        QCOMPARE(TabList, (QStringList{"[1]", "Eva|10|0|1", "[2]", "Jan|9|1|1"}));
        QCOMPARE(fakes->boxes->stops.size(), 1);
        const QStringList copies = QDir(install.dataDir()).entryList({"tab.dat.poskodeny-*"});
        QCOMPARE(copies.size(), 1);
        QVERIFY(fakes->boxes->stops[0].contains(copies[0]));
        QFile copy(install.dataDir() + "/" + copies[0]);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
        program.shutdown();
        QCOMPARE(install.readScrambled("tab.dat"),
                 (QStringList{"[1]", "Eva|10|0|1", "[2]", "Jan|9|1|1"}));
        QCOMPARE(fakes->boxes->stops.size(), 1);
    }

    void secondCopyEndsSilently() {
        TempInstall install;
        platform::SingleInstance first(install.path("instance.lock"));
        QVERIFY(first.isFirst());
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::SecondCopy);
        QVERIFY(fakes->boxes->stops.isEmpty());
        QCOMPARE(install.display->applies, 0);
        QVERIFY(!Stage());
    }

    void directoriesWithAndWithoutFinalSlashAreTheSame_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("without") << "";
        QTest::newRow("with") << "/";
        QTest::newRow("with backslash") << "\\";
    }
    void directoriesWithAndWithoutFinalSlashAreTheSame() {
        QFETCH(QString, suffix);
        TempInstall install;
        install.writeIni(QString("[did1]\r\ncd=%1%3\r\nhd=%2%3\r\n")
                             .arg(install.resDir(), install.dataDir(), suffix));
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        QCOMPARE(ResourceDir, install.resDir() + "/");
        QCOMPARE(DataDir, install.dataDir() + "/");
        QCOMPARE(EnterSound, install.resDir() + "/sound/enter.wav");
    }

    void relativeDirectoriesAreTakenFromTheIniFolder() {
        TempInstall install;
        install.writeIni("[DID1]\r\nCD=../res\r\nHD=../data\r\n");
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        QCOMPARE(DataDir, install.dataDir() + "/");
    }

    void startShowsTheTitleOverTheLongLivedWindows() {
        TempInstall install;
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        QCOMPARE(DataList, (QStringList{"[1a]", QStringLiteral("Ich|müde."), "bin|bist|ist"}));
        QCOMPARE(TabList, (QStringList{"[1]", "Eva|10|0|1"}));
        QVERIFY(UsedExamples && UsedExamples->capacity() == 48);
        QVERIFY(PageExamples && PageExamples->capacity() == 12);
        QCOMPARE(install.display->applies, 1);
        QVERIFY(program.podklad()->isVisible());
        QVERIFY(program.help()->isVisible());
        QVERIFY(program.help()->Cas.isActive());
        QVERIFY(program.select());
        QVERIFY(!program.hint()->isVisible());
        QVERIFY(!program.hint2()->isVisible());
        QVERIFY(!program.hintR()->isVisible());
        QCOMPARE(program.podklad()->focusWidget(), program.help());
        QVERIFY(!QGuiApplication::overrideCursor()); // the pointer is back
        QVERIFY(fakes->boxes->stops.isEmpty());
    }

    void missingCursorFilesFallBackToStockCursors() {
        TempInstall install;
        install.remove("res/cur");
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        QCOMPARE(programCursor(kHandCursor).shape(), Qt::PointingHandCursor);
        QCOMPARE(programCursor(kHelpCursor).shape(), Qt::WhatsThisCursor);
        QCOMPARE(programCursor(kArrowCursor).shape(), Qt::ArrowCursor);
    }

    void installedCursorFilesAreUsed() {
        TempInstall install;
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        QCOMPARE(programCursor(kHandCursor).shape(), Qt::BitmapCursor);
        QCOMPARE(programCursor(kArrowCursor).shape(), Qt::BitmapCursor);
    }

    void exitWithYesWritesTabDatBackUnchanged() {
        TempInstall install;
        install.writeScrambled("tab.dat",
                               {"[1]", QStringLiteral("Ľubo Šťastný|14|1|1"), " |0|0|0", "[16]"});
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        program.help()->ClosePicture();
        QTimer::singleShot(
            0, [&] { QTest::mouseClick(program.select()->exitButton, Qt::LeftButton); });
        QCOMPARE(program.run(), 0);
        QCOMPARE(fakes->boxes->questions,
                 QStringList{QStringLiteral("Chcete naozaj ukončiť aplikáciu?")});
        QCOMPARE(install.readScrambled("tab.dat"),
                 (QStringList{"[1]", QStringLiteral("Ľubo Šťastný|14|1|1"), " |0|0|0", "[16]"}));
        QVERIFY(install.display->restores >= 1);
        QVERIFY(!Stage());
    }

    void exitWithNoKeepsTheMenu() {
        TempInstall install;
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        fakes->boxes->answerYes = false;
        QTest::mouseClick(program.select()->exitButton, Qt::LeftButton);
        QCOMPARE(fakes->boxes->questions.size(), 1);
        QVERIFY(program.select());
        QVERIFY(Stage());
    }

    void windowSystemCloseAsksTheExitQuestion() {
        TempInstall install;
        MainSequence program(install.options());
        QCOMPARE(program.start(), Result::Running);
        fakes->boxes->answerYes = false;
        QVERIFY(!program.podklad()->close());
        QCOMPARE(fakes->boxes->questions.size(), 1);
    }

private:
    std::unique_ptr<Fakes> fakes;
};

VZ_GUI_TEST_MAIN(TestStartup)
#include "test_startup.moc"
