#include "gzip_file.h"

#include <QtEndian>
#include <array>
#include <stdexcept>

namespace vz::tools {
namespace {

quint32 crc32(const QByteArray& bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<quint8>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void appendLittleEndian(QByteArray& out, quint32 value) {
    char le[4];
    qToLittleEndian(value, le);
    out.append(le, 4);
}

} // namespace

QByteArray gzipCompress(const QByteArray& bytes) {
    // qCompress gives a 4-byte length, a 2-byte zlib header, the raw deflate
    // stream and a 4-byte Adler-32; gzip wants the deflate stream alone.
    QByteArray out("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03", 10); // deflate, Unix, best
    if (bytes.isEmpty()) {
        out += QByteArray("\x03\x00", 2); // qCompress gives no stream for nothing
    } else {
        const QByteArray zlib = qCompress(bytes, 9);
        if (zlib.size() < 4 + 2 + 4)
            throw std::runtime_error("compression failed");
        out += zlib.mid(6, zlib.size() - 6 - 4);
    }
    appendLittleEndian(out, crc32(bytes));
    appendLittleEndian(out, static_cast<quint32>(bytes.size()));
    return out;
}

} // namespace vz::tools
