// `vevider --results` run as the teacher runs it: the real program, an
// installation of its own found through VEVIDER_INI_DIR, and no display.

#include "store/results.h"
#include "store/text_lines.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;

namespace {

const QDateTime kWhen(QDate(2026, 3, 9), QTime(14, 5));
const QByteArray kBom("\xEF\xBB\xBF");

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

} // namespace

class TestResultsCommand : public QObject {
    Q_OBJECT
private slots:
    void init() {
        install = std::make_unique<QTemporaryDir>();
        QDir(install->path()).mkpath("etc");
        QDir(install->path()).mkpath("data");
        write("etc/VEVIDER.INI", "[DID1]\r\nCD=../res\r\nHD=../data\r\n"); // relative paths
        write("data/Vysledky.dat",
              joinLines(logRecord(QStringLiteral("Ľubomíra Šťastná"), 1, 15, 0, 1, kWhen) +
                        logRecord(QStringLiteral("Kováč, \"Ôndrej\""), 13, 7, 8, 4, kWhen)));
    }

    void goodLogGoesToStandardOutput() {
        const Run run = results({"--results"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        QVERIFY(run.out.startsWith(kBom));
        const QStringList rows = QString::fromUtf8(run.out.mid(3)).split("\r\n");
        QCOMPARE(rows.size(), 4); // header, two records, nothing after the last CR LF
        QVERIFY(rows[0].startsWith(QStringLiteral("Meno;Dátum;Čas;Hra;")));
        const QLocale locale = QLocale::system(); // the one logRecord writes with
        const QString when = locale.toString(kWhen.date(), QLocale::ShortFormat) + ';' +
                             locale.toString(kWhen.time(), QLocale::ShortFormat) + ';';
        QCOMPARE(rows[1], "Ľubomíra Šťastná;" + when + "Pomocné slovesá;15;15;0;1");
        QCOMPARE(rows[2], "\"Kováč, \"\"Ôndrej\"\"\";" + when + "Množné číslo;15;7;8;4");
    }

    void outputFileGetsTheSameTable_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--output FILE") << QStringList{"--results", "--output", "@"};
        QTest::newRow("--output=FILE") << QStringList{"--results", "--output=@"};
    }
    void outputFileGetsTheSameTable() {
        QFETCH(QStringList, arguments);
        const QString path = install->filePath("výsledky 7.A.csv");
        arguments.replaceInStrings("@", path);
        const Run run = results(arguments);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), results({"--results"}).out);
    }

    void damagedRecordIsNamedAndTheRestConverted() {
        QStringList broken = logRecord("Beáta", 2, 12, 3, 2, kWhen);
        broken[2].replace("12", "1O");
        write("data/Vysledky.dat", joinLines(logRecord("Adam", 2, 12, 3, 2, kWhen) + broken +
                                             logRecord("Cyril", 2, 12, 3, 2, kWhen)));
        const Run run = results({"--results"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("Vysledky.dat, riadok 5:"), qPrintable(run.err));
        const QString table = QString::fromUtf8(run.out);
        QVERIFY(table.contains("\r\nAdam;") && table.contains("\r\nCyril;"));
        QVERIFY(!table.contains("Beáta"));
    }

    void failuresWriteNothingAndEndWithTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("log missing") << QStringList{"--results"} << "no log"
                                     << "Vysledky.dat";
        QTest::newRow("data folder not named") << QStringList{"--results"} << "no HD"
                                               << "HD";
        QTest::newRow("output folder missing")
            << QStringList{"--results", "--output", "@/no/such/folder/r.csv"} << ""
            << "no/such/folder/r.csv";
        QTest::newRow("output is a folder") << QStringList{"--results", "--output", "@"} << ""
                                            << "zapísať";
        QTest::newRow("output without a file") << QStringList{"--results", "--output"} << ""
                                               << "Použitie:";
        QTest::newRow("unknown option") << QStringList{"--results", "--csv"} << ""
                                        << "\"--csv\"";
    }
    void failuresWriteNothingAndEndWithTwo() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, setup);
        QFETCH(QString, message);
        if (setup == "no log")
            QVERIFY(QFile::remove(install->filePath("data/Vysledky.dat")));
        if (setup == "no HD")
            write("etc/VEVIDER.INI", "[DID1]\r\nCD=../res\r\n");
        arguments.replaceInStrings("@", install->path());
        const Run run = results(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(QDir(install->path()).entryList(QDir::Files), QStringList()); // nothing left
    }

private:
    void write(const QString& relative, const QByteArray& bytes) {
        QFile file(install->filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Runs the program where no window could open: no display, and a
    // platform plugin that does not exist.
    Run results(const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VEVIDER_INI_DIR", install->filePath("etc"));
        env.insert("QT_QPA_PLATFORM", "none-at-all");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VZ_PROGRAM), arguments);
        Run run;
        if (!program.waitForFinished(10000) || program.exitStatus() != QProcess::NormalExit)
            return run;
        run.status = program.exitCode();
        run.out = program.readAllStandardOutput();
        run.err = QString::fromUtf8(program.readAllStandardError());
        return run;
    }

    std::unique_ptr<QTemporaryDir> install;
};

QTEST_GUILESS_MAIN(TestResultsCommand)
#include "test_results_command.moc"
