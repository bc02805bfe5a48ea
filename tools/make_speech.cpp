// Speaks the German of the listening drills into the wave files they play:
// every dictation sentence of [5c] into sound/dikt/<sound name>.wav and every
// numeral of [6a] (the text before its "|") into sound/cis/<numeral>.wav.
//
// Usage: vz_make_speech --espeak <espeak-ng> --reference <click.wav> --state <dir>
//                       --dictation <5c.txt> <out dir> --numerals <6a.txt> <out dir>
//
// A missing content file is skipped (nothing to speak yet). A file is spoken
// again only when its text or the speech settings change: <state>/<kind>.list
// remembers a key per file. Several espeak-ng processes run at once. Every
// file is peak-limited and brought to the active level of the reference (the
// interface click), so speech and clicks sound about equally loud. The step
// fails, naming the text, when a file is missing afterwards.

#include "speech_wave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextStream>
#include <QThread>
#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using namespace vz::speech;

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

// How one kind of text is spoken. Changing a value here speaks every file of
// that kind again (the values are part of each file's key).
struct Voice {
    const char* kind;   // also the name of the state file
    const char* header; // content section
    int wordsPerMinute; // espeak-ng -s
    int wordGap;        // espeak-ng -g, pause between words in 10 ms units
    int leadMs;         // silence before the voice
    int tailMs;         // silence after it
    bool blocksOfFive;  // a "#" on a block's first line drops the whole block
};
constexpr Voice kDictation{"dikt", "[5c]", 120, 3, 300, 250, true};
constexpr Voice kNumerals{"cis", "[6a]", 140, 0, 150, 200, false};
constexpr int kRecipeVersion = 1; // raise when shapeVoice changes the sound

struct Item {
    QString text;  // what is spoken
    QString name;  // name before the "|" as the drill uses it
    QString where; // content file and line, for messages
};

// A numeral is spoken from its digits when the line gives them: espeak-ng
// reads digits with its number rules (right vowel lengths in "vierzehn",
// the "h" of "achthundert", the stress of "siebenundzwanzig"), which its
// reading of the written-out word misses.
QString spokenNumeral(const QString& name, const QString& after) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    return digits.match(after).hasMatch() ? after : name;
}

// The items a drill can play: the text before the first "|" names the file;
// dictation speaks the sentence after it, numerals see spokenNumeral.
std::vector<Item> readItems(const QString& path, const Voice& voice) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path + ": cannot read");
    QStringDecoder utf8(QStringDecoder::Utf8);
    QStringList lines = QString(utf8(file.readAll())).split(QLatin1Char('\n'));
    int start = -1;
    for (int i = 0; i < lines.size(); ++i) {
        lines[i] = lines[i].trimmed();
        if (start < 0 && lines[i].compare(QLatin1String(voice.header), Qt::CaseInsensitive) == 0)
            start = i + 1;
    }
    std::vector<Item> items;
    if (start < 0)
        return items; // no such section yet
    bool dropped = false;
    for (int i = start; i < lines.size() && !lines[i].startsWith(QLatin1Char('[')); ++i) {
        const QString& line = lines[i];
        const int index = i - start;
        if (!voice.blocksOfFive || index % 5 == 0)
            dropped = line.startsWith(QLatin1Char('#'));
        if (dropped || line.isEmpty())
            continue;
        const QString name = line.section(QLatin1Char('|'), 0, 0).trimmed();
        const QString after = line.section(QLatin1Char('|'), 1).trimmed();
        const QString text = voice.blocksOfFive ? after : spokenNumeral(name, after);
        const QString where = path + QLatin1Char(':') + QString::number(i + 1);
        if (name.isEmpty() || text.isEmpty() || name.contains(QLatin1Char('/')))
            fail(where + ": no sound name or nothing to speak in \"" + line + "\"");
        items.push_back({text, name, where});
    }
    return items;
}

struct Job {
    Item item;
    QString file; // under the output folder
    QByteArray key;
};

class Speaker {
public:
    Speaker(QString espeak, QString state, double target)
        : espeak_(std::move(espeak)), state_(std::move(state)), target_(target) {}

    int spoken = 0, kept = 0, removed = 0;

    void run(const QString& content, const QString& outDir, const Voice& voice) {
        if (!QFileInfo::exists(content)) {
            QTextStream(stdout) << "vz_make_speech: " << content
                                << " not there yet, nothing spoken\n";
            return;
        }
        if (engine_.isEmpty())
            engine_ = engineVersion();
        QDir().mkpath(outDir);
        const std::map<QString, QByteArray> known = loadState(voice);
        std::map<QString, Job> jobs; // by file name
        for (Item& item : readItems(content, voice)) {
            // The same mapping the program applies to resource names.
            const QString file = item.name.toLower() + QStringLiteral(".wav");
            Job job{item, file, keyOf(voice, item.text)};
            const auto [at, added] = jobs.emplace(file, job);
            if (!added && at->second.key != job.key)
                fail(item.where + ": \"" + item.name + "\" names the same wave file as " +
                     at->second.item.where + " but speaks another text");
        }
        std::vector<const Job*> todo;
        for (const auto& [file, job] : jobs) {
            const QFileInfo info(outDir + QLatin1Char('/') + file);
            const auto it = known.find(file);
            if (it != known.end() && it->second == job.key && info.size() > 44)
                ++kept;
            else
                todo.push_back(&job);
        }
        speak(todo, outDir, voice);
        // Files of texts no longer in the content go.
        for (const QString& file : QDir(outDir).entryList({QStringLiteral("*.wav")}, QDir::Files)) {
            if (!jobs.count(file) && QFile::remove(outDir + QLatin1Char('/') + file))
                ++removed;
        }
        for (const auto& [file, job] : jobs) {
            if (QFileInfo(outDir + QLatin1Char('/') + file).size() <= 44)
                fail(job.item.where + ": no wave file for \"" + job.item.text + "\" (" + file +
                     ")");
        }
        saveState(voice, jobs);
    }

private:
    // Part of every key, so that another espeak-ng speaks everything again.
    QByteArray engineVersion() const {
        QProcess version;
        version.start(espeak_, {QStringLiteral("--version")});
        if (!version.waitForFinished(10000) || version.exitCode() != 0)
            fail(espeak_ + ": cannot run espeak-ng (install the espeak-ng package)");
        return version.readAllStandardOutput().trimmed();
    }

    QByteArray keyOf(const Voice& v, const QString& text) const {
        const QString recipe =
            QString::number(kRecipeVersion) + QLatin1Char('|') + QString::fromUtf8(engine_) +
            QStringLiteral("|de|") + QString::number(v.wordsPerMinute) + QLatin1Char('|') +
            QString::number(v.wordGap) + QLatin1Char('|') + QString::number(v.leadMs) +
            QLatin1Char('|') + QString::number(v.tailMs) + QLatin1Char('|') +
            QString::number(target_, 'f', 1) + QLatin1Char('|');
        return QCryptographicHash::hash((recipe + text).toUtf8(), QCryptographicHash::Sha1).toHex();
    }

    // At most one espeak-ng per core; each result is finished while the
    // others still speak.
    void speak(const std::vector<const Job*>& todo, const QString& outDir, const Voice& voice) {
        const int parallel = std::max(1, QThread::idealThreadCount());
        std::deque<std::pair<const Job*, std::unique_ptr<QProcess>>> running;
        size_t next = 0;
        while (next < todo.size() || !running.empty()) {
            while (next < todo.size() && int(running.size()) < parallel) {
                auto process = std::make_unique<QProcess>();
                process->start(espeak_,
                               {QStringLiteral("-v"), QStringLiteral("de"), QStringLiteral("-s"),
                                QString::number(voice.wordsPerMinute), QStringLiteral("-g"),
                                QString::number(voice.wordGap), QStringLiteral("-b"),
                                QStringLiteral("1"), QStringLiteral("--stdin"),
                                QStringLiteral("--stdout")});
                process->write(todo[next]->item.text.toUtf8() + '\n');
                process->closeWriteChannel();
                running.emplace_back(todo[next++], std::move(process));
            }
            auto [job, process] = std::move(running.front());
            running.pop_front();
            const QString what = job->item.where + ": \"" + job->item.text + "\"";
            if (!process->waitForFinished(60000) || process->exitCode() != 0)
                fail(what + ": espeak-ng failed: " + process->readAllStandardError());
            try {
                const Wave wave =
                    shapeVoice(parseWave(process->readAllStandardOutput(), "espeak-ng output"),
                               voice.leadMs, voice.tailMs, target_);
                QSaveFile out(outDir + QLatin1Char('/') + job->file);
                if (!out.open(QIODevice::WriteOnly) || out.write(waveBytes(wave)) < 0 ||
                    !out.commit())
                    fail(QStringLiteral("cannot write ") + out.fileName());
            } catch (const std::runtime_error& error) {
                fail(what + ": " + error.what());
            }
            ++spoken;
        }
    }

    std::map<QString, QByteArray> loadState(const Voice& voice) const {
        std::map<QString, QByteArray> known;
        QFile file(state_ + QLatin1Char('/') + voice.kind + QStringLiteral(".list"));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const qsizetype tab = line.lastIndexOf('\t');
                if (tab > 0)
                    known[QString::fromUtf8(line.left(tab))] = line.mid(tab + 1);
            }
        }
        return known;
    }

    void saveState(const Voice& voice, const std::map<QString, Job>& jobs) const {
        QDir().mkpath(state_);
        QSaveFile file(state_ + QLatin1Char('/') + voice.kind + QStringLiteral(".list"));
        QByteArray text;
        for (const auto& [name, job] : jobs)
            text += name.toUtf8() + '\t' + job.key + '\n';
        if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0 || !file.commit())
            fail(QStringLiteral("cannot write ") + file.fileName());
    }

    QString espeak_, state_;
    QByteArray engine_;
    double target_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const auto value =
        [&args](const QString& option, int n) {
            const qsizetype at = args.indexOf(option);
            if (at < 0 || at + n >= args.size()) {
                QTextStream(stderr)
                    << "usage: vz_make_speech --espeak <program> --reference <click.wav> "
                       "--state <dir> --dictation <5c.txt> <dir> --numerals <6a.txt> <dir>\n";
                std::exit(2);
            }
            return args.mid(at + 1, n);
        };
    try {
        QElapsedTimer clock;
        clock.start();
        const double target = activeLevel(readWaveFile(value(QStringLiteral("--reference"), 1)[0]));
        Speaker speaker(value(QStringLiteral("--espeak"), 1)[0],
                        value(QStringLiteral("--state"), 1)[0], target);
        const QStringList dictation = value(QStringLiteral("--dictation"), 2);
        const QStringList numerals = value(QStringLiteral("--numerals"), 2);
        speaker.run(dictation[0], dictation[1], kDictation);
        speaker.run(numerals[0], numerals[1], kNumerals);
        QTextStream(stdout) << QStringLiteral(
                                   "vz_make_speech: %1 spoken, %2 unchanged, %3 removed in %4 s\n")
                                   .arg(speaker.spoken)
                                   .arg(speaker.kept)
                                   .arg(speaker.removed)
                                   .arg(clock.elapsed() / 1000.0, 0, 'f', 1);
    } catch (const std::exception& error) {
        QTextStream(stderr) << "vz_make_speech: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
