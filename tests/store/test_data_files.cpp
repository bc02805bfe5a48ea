#include "store/app_error.h"
#include "store/data_files.h"
#include "store/scramble.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace vz;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT
private slots:
    void loadsScrambledLinesInFileOrder() {
        QTemporaryDir dir;
        QByteArray bytes("[1a]\r\nIch|m\xFC\x64\x65.\r\nbin|bist|ist");
        ScrambleStream(bytes);
        writeAll(dir.filePath("data.dat"), bytes);
        const QStringList lines = loadScrambledLines(dir.filePath("data.dat"));
        QCOMPARE(lines, (QStringList{"[1a]", QStringLiteral("Ich|müde."), "bin|bist|ist"}));
    }

    void zeroBytesLoadAsNoLinesAndNoLinesSaveAsZeroBytes() {
        QTemporaryDir dir;
        writeAll(dir.filePath("tab.dat"), {});
        QVERIFY(loadScrambledLines(dir.filePath("tab.dat")).isEmpty());
        saveScrambledLines(dir.filePath("out.dat"), {});
        QCOMPARE(QFileInfo(dir.filePath("out.dat")).size(), 0);
    }

    void savedFileIsScrambledWithEveryLineEndedByCrLf() {
        QTemporaryDir dir;
        const QStringList lines{"[1]", QStringLiteral("Zuzana Šťastná|14|1|1"), " |0|0|0"};
        saveScrambledLines(dir.filePath("tab.dat"), lines);
        QByteArray raw = readAll(dir.filePath("tab.dat"));
        QVERIFY(!raw.contains("[1]"));
        ScrambleStream(raw);
        QVERIFY(raw.endsWith("\r\n"));
        QCOMPARE(raw.count("\r\n"), 3);
        QCOMPARE(loadScrambledLines(dir.filePath("tab.dat")), lines);
    }

    void missingFileRaisesCannotOpenWithThePath() {
        QTemporaryDir dir;
        const QString path = dir.filePath("data.dat");
        try {
            loadScrambledLines(path);
            QFAIL("no error raised");
        } catch (const AppError& error) {
            QVERIFY(error.message().contains("Cannot open file"));
            QVERIFY(error.message().contains(path));
        }
    }

    void failedSaveKeepsTheOldFileWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tab.dat");
        saveScrambledLines(path, {"[1]", "Eva|10|0|1"});
        const QByteArray before = readAll(path);
        // The folder becomes read-only: the new file cannot be made beside the old.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        bool raised = false;
        try {
            saveScrambledLines(path, {"[1]", "Jana|9|1|1"});
        } catch (const AppError& error) {
            raised = error.message().contains(path);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!raised && getuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(raised);
        QCOMPARE(readAll(path), before);
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_data_files.moc"
