// Synthesises the interface sounds from their recipes.
// Usage: vz_make_sounds <recipe.txt> <output.wav> [<recipe.txt> <output.wav> ...]
//
// A recipe is "key = value" lines: a tone gliding from tone_start_hz to
// tone_end_hz with an overtone, mixed with a share of noise, shaped by a short
// attack and an exponential decay.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <random>
#include <stdexcept>

namespace {

QHash<QString, double> readRecipe(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + path).toStdString());
    QHash<QString, double> recipe;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        bool ok = false;
        const double value = line.section(QLatin1Char('='), 1).trimmed().toDouble(&ok);
        if (!line.contains(QLatin1Char('=')) || !ok)
            throw std::runtime_error((path + ": bad line: " + line).toStdString());
        recipe.insert(line.section(QLatin1Char('='), 0, 0).trimmed(), value);
    }
    return recipe;
}

QByteArray synthesise(const QHash<QString, double>& r) {
    const int rate = static_cast<int>(r.value(QStringLiteral("sample_rate"), 22050));
    const double seconds = r.value(QStringLiteral("duration_ms"), 80) / 1000.0;
    const double f0 = r.value(QStringLiteral("tone_start_hz"), 880);
    const double f1 = r.value(QStringLiteral("tone_end_hz"), f0);
    const double overtone = r.value(QStringLiteral("overtone"), 0.0);
    const double noise = r.value(QStringLiteral("noise"), 0.0);
    const double attack = r.value(QStringLiteral("attack_ms"), 3) / 1000.0;
    const double decay = r.value(QStringLiteral("decay_per_s"), 30);
    const double volume = r.value(QStringLiteral("volume"), 0.4);

    std::mt19937 random(7); // the same file from every build
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    const int count = static_cast<int>(seconds * rate);
    QByteArray samples;
    double phase = 0.0;
    double lowPassed = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double frequency = f0 + (f1 - f0) * (t / seconds);
        phase += 2.0 * std::numbers::pi * frequency / rate;
        lowPassed += 0.35 * (white(random) - lowPassed);
        double value = (1.0 - noise) * (std::sin(phase) + overtone * std::sin(2.0 * phase)) /
                           (1.0 + overtone) +
                       noise * lowPassed;
        const double envelope = std::min(1.0, t / std::max(attack, 1e-4)) * std::exp(-decay * t);
        const double fadeOut = std::min(1.0, (seconds - t) * 400.0); // no click at the end
        value *= volume * envelope * fadeOut;
        char bytes[2];
        qToLittleEndian(static_cast<qint16>(std::lround(std::clamp(value, -1.0, 1.0) * 32767)),
                        bytes);
        samples.append(bytes, 2);
    }

    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto u16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav += "RIFF";
    u32(36 + samples.size());
    wav += "WAVEfmt ";
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav += "data";
    u32(samples.size());
    return wav + samples;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 != 0) {
        QTextStream(stderr) << "usage: vz_make_sounds <recipe> <output.wav> ...\n";
        return 2;
    }
    try {
        for (int i = 0; i < args.size(); i += 2) {
            const QByteArray wav = synthesise(readRecipe(args[i]));
            QDir().mkpath(QFileInfo(args[i + 1]).absolutePath());
            QFile out(args[i + 1]);
            if (!out.open(QIODevice::WriteOnly) || out.write(wav) != wav.size())
                throw std::runtime_error(("cannot write " + args[i + 1]).toStdString());
        }
    } catch (const std::exception& error) {
        QTextStream(stderr) << "vz_make_sounds: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
