// Plays a game with the files `cmake --install` put under the folder named by
// VZ_INSTALL_ROOT, found through the VEVIDER.INI installed there, and checks
// that the result lands in the installed results files.

#include "app/globals.h"
#include "app/qt_translations.h"
#include "platform/install_ini.h"
#include "store/cp1250.h"
#include "store/data_files.h"
#include "store/results.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

const QString root = qEnvironmentVariable("VZ_INSTALL_ROOT");

// What the installed program makes of a value of its INI: the INI's paths are
// relative to /etc, so under the install root they resolve into it too.
QString installedDir(const QString& key) {
    const QString ini = root + QStringLiteral("/etc/VEVIDER.INI");
    return QDir::cleanPath(root + QStringLiteral("/etc/") +
                           platform::readIniValue(ini, QStringLiteral("DID1"), key));
}

} // namespace

class TestInstalledGame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (root.isEmpty())
            QSKIP("run by installed_program.sh, which installs first");
    }

    void aGamePlayedWithTheInstalledFilesIsRecordedThere() {
        const QString dataDir = installedDir(QStringLiteral("HD"));
        QCOMPARE(dataDir, root + QStringLiteral("/var/games/vevider-zuduzad"));
        QVERIFY(QFileInfo::exists(installedDir(QStringLiteral("CD")) + "/svg/bmp/bg_01a.svgz"));
        RunningProgram running([&](TempInstall& install) {
            install.writeIni(QStringLiteral("[DID1]\r\nCD=%1\r\nHD=%2\r\n")
                                 .arg(installedDir(QStringLiteral("CD")), dataDir));
        });
        QCOMPARE(DataDir, dataDir + '/');
        // Rows left empty are wrong answers: the game still ends in the table.
        GamePlayer player(running.program.get(), [](TExerciseForm*, int, bool) {});
        QVERIFY(player.start(QStringLiteral("1a"), 1, QStringLiteral("Žofia")));
        TwndTab* table = player.playToTable();
        QVERIFY(table);
        QCOMPARE(GamePlayer::score(table), qMakePair(0, 10));

        QFile log(dataDir + QStringLiteral("/Vysledky.dat"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString record = cp1250::decode(log.readAll());
        QVERIFY2(record.contains(QStringLiteral("Žofia")), qPrintable(record));
        QVERIFY(record.contains(logGameTitle(1)));
        running.program->shutdown();
        const QStringList tab = loadScrambledLines(dataDir + QStringLiteral("/tab.dat"));
        QVERIFY(tab.contains(QStringLiteral("[1]")));
    }

    void qtDialogsSpeakSlovak() {
        installQtTranslations(*QCoreApplication::instance());
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Áno"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Nie"));
    }
};

QTEST_MAIN(TestInstalledGame)
#include "test_installed_game.moc"
