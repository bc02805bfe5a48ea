// Reading, measuring, shaping and writing the spoken wave files.

#include "speech_wave.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vz::speech {

namespace {
[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}
} // namespace

Wave parseWave(const QByteArray& bytes, const QString& what) {
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        fail(what + ": not a wave file");
    Wave wave;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (id == "fmt ") {
            if (size < 16 || at + 8 + 16 > bytes.size() || qFromLittleEndian<quint16>(body) != 1 ||
                qFromLittleEndian<quint16>(body + 2) != 1 ||
                qFromLittleEndian<quint16>(body + 14) != 16)
                fail(what + ": not 16-bit PCM mono");
            wave.rate = int(qFromLittleEndian<quint32>(body + 4));
        } else if (id == "data") {
            const qsizetype count = std::min<qsizetype>(size, bytes.size() - at - 8) / 2;
            wave.samples.resize(count);
            for (qsizetype i = 0; i < count; ++i)
                wave.samples[i] = qFromLittleEndian<qint16>(body + 2 * i);
            break;
        }
        at += 8 + size + (size & 1);
    }
    if (wave.rate <= 0)
        fail(what + ": no format chunk");
    return wave;
}

QByteArray waveBytes(const Wave& wave) {
    QByteArray out;
    const auto put = [&out](auto value) {
        char bytes[sizeof value];
        qToLittleEndian(value, bytes);
        out.append(bytes, sizeof value);
    };
    const quint32 dataSize = quint32(wave.samples.size() * 2);
    out += "RIFF";
    put(quint32(36 + dataSize));
    out += "WAVEfmt ";
    put(quint32(16));
    put(quint16(1)); // PCM
    put(quint16(1)); // mono
    put(quint32(wave.rate));
    put(quint32(wave.rate * 2));
    put(quint16(2));
    put(quint16(16));
    out += "data";
    put(dataSize);
    for (qint16 s : wave.samples)
        put(s);
    return out;
}

double activeLevel(const Wave& wave) {
    const size_t frame = std::max(1, wave.rate / 50);
    std::vector<double> energies;
    for (size_t at = 0; at < wave.samples.size(); at += frame) {
        const size_t end = std::min(wave.samples.size(), at + frame);
        double sum = 0;
        for (size_t i = at; i < end; ++i)
            sum += double(wave.samples[i]) * wave.samples[i];
        energies.push_back(sum / double(end - at));
    }
    double loudest = 0;
    for (double e : energies)
        loudest = std::max(loudest, e);
    double sum = 0;
    int counted = 0;
    for (double e : energies) {
        if (e >= loudest * 1e-3) {
            sum += e;
            ++counted;
        }
    }
    return counted ? std::sqrt(sum / counted) : 0.0;
}

Wave shapeVoice(const Wave& wave, int leadMs, int tailMs, double target) {
    const auto audible = [](qint16 s) { return std::abs(int(s)) > 64; };
    size_t first = 0, last = wave.samples.size();
    while (first < last && !audible(wave.samples[first]))
        ++first;
    while (last > first && !audible(wave.samples[last - 1]))
        --last;
    if (last - first < size_t(wave.rate / 20))
        fail(QStringLiteral("espeak-ng gave (almost) no sound"));
    Wave voiced{wave.rate, {wave.samples.begin() + first, wave.samples.begin() + last}};
    int peak = 1;
    for (qint16 s : voiced.samples)
        peak = std::max(peak, std::abs(int(s)));
    const double gain = std::min(target / activeLevel(voiced), 0.89 * 32767 / peak);
    const size_t fade = size_t(wave.rate / 200); // 5 ms, no click at either end
    Wave out{wave.rate, std::vector<qint16>(size_t(wave.rate) * leadMs / 1000, 0)};
    for (size_t i = 0; i < voiced.samples.size(); ++i) {
        const size_t edge = std::min(i, voiced.samples.size() - 1 - i);
        const double ramp = edge < fade ? double(edge) / fade : 1.0;
        out.samples.push_back(
            qint16(std::lround(std::clamp(voiced.samples[i] * gain * ramp, -32767.0, 32767.0))));
    }
    out.samples.resize(out.samples.size() + size_t(wave.rate) * tailMs / 1000, 0);
    return out;
}

Wave readWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path + ": cannot read");
    return parseWave(file.readAll(), path);
}

} // namespace vz::speech
