#pragma once

#include <QByteArray>

namespace vz {

// data.dat and tab.dat are stored with every byte XORed with this key.
inline constexpr unsigned char kScrambleKey = 0x3B;

// Scrambles or unscrambles the whole buffer in place: the same call does both.
void ScrambleStream(QByteArray& bytes);

} // namespace vz
