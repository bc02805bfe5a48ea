#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace vz::speech {

// A wave file as the program plays it: 16-bit PCM mono.
struct Wave {
    int rate = 0;
    std::vector<qint16> samples;
};

// The samples of a 16-bit PCM mono wave file; throws, naming `what`, on any
// other file. A data chunk whose size runs past the end (espeak-ng writing to
// a pipe cannot fill it in) ends with the bytes.
Wave parseWave(const QByteArray& bytes, const QString& what);
Wave readWaveFile(const QString& path);
QByteArray waveBytes(const Wave& wave);

// The loudness measure shared by the reference and the speech: the RMS of the
// 20 ms frames at most 30 dB below the loudest one, so pauses between words
// do not count.
double activeLevel(const Wave& wave);

// Cuts the silence espeak-ng leaves around the voice, brings the voice to the
// target active level (its peak never above -1 dBFS), softens both ends over
// 5 ms and frames it with leadMs and tailMs of silence.
Wave shapeVoice(const Wave& wave, int leadMs, int tailMs, double target);

} // namespace vz::speech
