#include "scramble.h"

namespace vz {

void ScrambleStream(QByteArray& bytes) {
    char* data = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        data[i] = static_cast<char>(static_cast<unsigned char>(data[i]) ^ kScrambleKey);
}

} // namespace vz
