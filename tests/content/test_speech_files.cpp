// Every sentence the dictation can draw and every numeral the numbers-by-ear
// drill can draw has its spoken wave file in the installation, under the name
// the program looks for: 16-bit PCM mono, of a plausible length, not silent,
// not clipped.

#include "app/globals.h"
#include "app/resources.h"
#include "store/app_error.h"
#include "store/data_files.h"
#include "store/section_reader.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

using namespace vz;

namespace {

// Why the file cannot be the recording of a text; empty when it can.
QString waveProblem(const QString& path, double minSeconds, double maxSeconds) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("missing ") + path;
    const QByteArray bytes = file.readAll();
    const char* b = bytes.constData();
    if (bytes.size() <= 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
        bytes.mid(36, 4) != "data")
        return QStringLiteral("not a plain wave file");
    if (qFromLittleEndian<quint16>(b + 20) != 1 || qFromLittleEndian<quint16>(b + 22) != 1 ||
        qFromLittleEndian<quint16>(b + 34) != 16)
        return QStringLiteral("not 16-bit PCM mono");
    const int rate = int(qFromLittleEndian<quint32>(b + 24));
    const qsizetype count = qFromLittleEndian<quint32>(b + 40) / 2;
    if (rate <= 0 || 44 + 2 * count != bytes.size())
        return QStringLiteral("broken header");
    const double seconds = double(count) / rate;
    if (seconds < minSeconds || seconds > maxSeconds)
        return QStringLiteral("lasts %1 s").arg(seconds);
    qsizetype loud = 0, clipped = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const int s = std::abs(int(qFromLittleEndian<qint16>(b + 44 + 2 * i)));
        loud += s > 1000; // about -30 dBFS
        clipped += s >= 32767;
    }
    if (loud < rate / 20) // at least 50 ms of voice
        return QStringLiteral("almost silent");
    if (clipped > 0)
        return QStringLiteral("clipped");
    return {};
}

} // namespace

class TestSpeechFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ResourceDir = QStringLiteral(VZ_STAGE_RES_DIR "/");
        data = loadScrambledLines(QStringLiteral(VZ_STAGE_DIR "/data/data.dat"));
    }

    void everyDrawableTextIsSpoken_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("block"); // lines dropped together by a "#" on the first
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("dictation") << "[5c]"
                                   << "sound\\dikt\\" << 5 << 1.0 << 15.0;
        QTest::newRow("numerals") << "[6a]"
                                  << "sound\\cis\\" << 1 << 0.4 << 5.0;
    }

    void everyDrawableTextIsSpoken() {
        QFETCH(QString, header);
        QFETCH(QString, folder);
        QFETCH(int, block);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        QStringList body;
        try {
            body = readSection(data, header);
        } catch (const AppError&) {
            QSKIP("the game has no content yet");
        }
        int checked = 0;
        for (qsizetype i = 0; i < body.size(); ++i) {
            if (body[i - i % block].startsWith(QLatin1Char('#')))
                continue;
            const QString name = body[i].section(QLatin1Char('|'), 0, 0).trimmed();
            const QString problem =
                waveProblem(resourceFile(folder + name + ".wav"), minSeconds, maxSeconds);
            QVERIFY2(problem.isEmpty(), qPrintable(header + " \"" + body[i] + "\": " + problem));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

private:
    QStringList data;
};

QTEST_GUILESS_MAIN(TestSpeechFiles)
#include "test_speech_files.moc"
