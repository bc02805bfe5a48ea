// The results tables survive what a school computer does to a program: the
// process killed in the middle of a save, and a disk that is full when the
// program ends.

#include "app/globals.h"
#include "app/main_sequence.h"
#include "screens/help_window.h"
#include "store/data_files.h"
#include "support/running_program.h"
#include "table_versions.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace vz;
using namespace vz::test;

static const QString kSaver = QStringLiteral(VZ_SAVE_LOOP);

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    // SIGKILL at random moments of saving: tab.dat is always one whole version.
    void killedWhileSavingLeavesAWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tab.dat");
        saveScrambledLines(path, tableVersion("A"));
        const QStringList a = tableVersion("A"), b = tableVersion("B");
        QRandomGenerator random(7);
        int sawB = 0;
        for (int trial = 0; trial < 120; ++trial) {
            QProcess saver;
            saver.start(kSaver, {path, "loop"});
            QVERIFY(saver.waitForStarted());
            QTest::qSleep(5 + random.bounded(40));
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished());
            const TabFile tab = loadTabFile(path);
            QVERIFY2(!tab.damaged && (tab.lines == a || tab.lines == b),
                     qPrintable(QString("trial %1: %2 lines").arg(trial).arg(tab.lines.size())));
            sawB += tab.lines == b;
        }
        QVERIFY(sawB > 0); // the kills did come while saving
        // No half-written temporary file is taken for the table.
        QCOMPARE(QDir(dir.path()).entryList({"tab.dat"}), QStringList{"tab.dat"});
    }

    void fullDiskKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tab.dat");
        saveScrambledLines(path, tableVersion("A"));
        QCOMPARE(QProcess::execute(kSaver, {path, "limited"}), 3);
        QCOMPARE(loadScrambledLines(path), tableVersion("A"));
    }

    // The disk full when the program ends: the old tables stay, the pupil is told.
    void fullDiskAtExitIsToldAndKeepsTheTables() {
        RunningProgram running([](TempInstall& install) {
            install.writeScrambled("tab.dat", {"[1]", "Eva|10|0|1"});
        });
        TabList << "[5]"
                << "Jana|9|1|1";
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit full{8, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        running.program->shutdown();
        setrlimit(RLIMIT_FSIZE, &before);
        QCOMPARE(running.fakes.boxes->stops.size(), 1);
        QVERIFY(running.fakes.boxes->stops[0].contains("tab.dat"));
        QCOMPARE(running.install.readScrambled("tab.dat"), (QStringList{"[1]", "Eva|10|0|1"}));
    }
};

QTEST_MAIN(TestSaveFaults)
#include "test_save_faults.moc"
