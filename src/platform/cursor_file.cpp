#include "cursor_file.h"

#include <QFile>
#include <QtEndian>

namespace vz::platform {
namespace {

constexpr int kDirSize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40;

void putU16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void putU32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint16 u16(const QByteArray& in, qsizetype at) {
    return qFromLittleEndian<quint16>(in.constData() + at);
}
quint32 u32(const QByteArray& in, qsizetype at) {
    return qFromLittleEndian<quint32>(in.constData() + at);
}

int maskStride(int width) {
    return ((width + 31) / 32) * 4;
}

std::optional<QImage> decodeDib(const QByteArray& dib, int width, int height) {
    if (dib.size() < kInfoHeaderSize || u32(dib, 0) < kInfoHeaderSize)
        return std::nullopt;
    const quint16 bits = u16(dib, 14);
    const quint32 compression = u32(dib, 16);
    const qsizetype pixels = u32(dib, 0);
    const qsizetype need =
        pixels + qsizetype(width) * height * 4 + qsizetype(maskStride(width)) * height;
    if (bits != 32 || compression != 0 || dib.size() < need)
        return std::nullopt;

    QImage image(width, height, QImage::Format_ARGB32);
    const qsizetype mask = pixels + qsizetype(width) * height * 4;
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y; // rows are stored bottom-up
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 bgra = u32(dib, pixels + (qsizetype(row) * width + x) * 4);
            line[x] = bgra; // BGRA in memory is 0xAARRGGBB as a little-endian word
            anyAlpha = anyAlpha || qAlpha(bgra) != 0;
        }
    }
    if (!anyAlpha) { // old-style image: the AND mask says what is transparent
        for (int y = 0; y < height; ++y) {
            const int row = height - 1 - y;
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const auto byte = static_cast<unsigned char>(
                    dib[mask + qsizetype(row) * maskStride(width) + x / 8]);
                const bool transparent = byte & (0x80 >> (x % 8));
                line[x] = transparent ? 0 : (line[x] | 0xFF000000u);
            }
        }
    }
    return image;
}

} // namespace

QByteArray encodeCursor(const QImage& source, QPoint hotSpot) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();

    QByteArray dib;
    putU32(dib, kInfoHeaderSize);
    putU32(dib, w);
    putU32(dib, h * 2); // colour image and mask together
    putU16(dib, 1);
    putU16(dib, 32);
    putU32(dib, 0);
    putU32(dib, w * h * 4 + maskStride(w) * h);
    for (int i = 0; i < 4; ++i)
        putU32(dib, 0);
    for (int row = h - 1; row >= 0; --row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int x = 0; x < w; ++x)
            putU32(dib, line[x]);
    }
    for (int row = h - 1; row >= 0; --row) {
        QByteArray maskRow(maskStride(w), '\0');
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
        }
        dib += maskRow;
    }

    QByteArray out;
    putU16(out, 0);
    putU16(out, 2); // cursor
    putU16(out, 1);
    out += static_cast<char>(w >= 256 ? 0 : w);
    out += static_cast<char>(h >= 256 ? 0 : h);
    out += '\0';
    out += '\0';
    putU16(out, static_cast<quint16>(hotSpot.x()));
    putU16(out, static_cast<quint16>(hotSpot.y()));
    putU32(out, dib.size());
    putU32(out, kDirSize + kEntrySize);
    return out + dib;
}

std::optional<CursorImage> decodeCursor(const QByteArray& bytes) {
    if (bytes.size() < kDirSize + kEntrySize || u16(bytes, 0) != 0 || u16(bytes, 2) != 2 ||
        u16(bytes, 4) < 1)
        return std::nullopt;
    const int width = static_cast<unsigned char>(bytes[kDirSize])
                          ? static_cast<unsigned char>(bytes[kDirSize])
                          : 256;
    const int height = static_cast<unsigned char>(bytes[kDirSize + 1])
                           ? static_cast<unsigned char>(bytes[kDirSize + 1])
                           : 256;
    const QPoint hotSpot(u16(bytes, kDirSize + 4), u16(bytes, kDirSize + 6));
    const quint32 size = u32(bytes, kDirSize + 8);
    const quint32 offset = u32(bytes, kDirSize + 12);
    if (offset > quint32(bytes.size()) || size > quint32(bytes.size()) - offset)
        return std::nullopt;
    const QByteArray payload = bytes.mid(offset, size);

    std::optional<QImage> image;
    if (payload.startsWith("\x89PNG")) {
        QImage png;
        if (png.loadFromData(payload, "PNG"))
            image = png.convertToFormat(QImage::Format_ARGB32);
    } else {
        image = decodeDib(payload, width, height);
    }
    if (!image || image->isNull())
        return std::nullopt;
    return CursorImage{*image, hotSpot};
}

std::optional<CursorImage> readCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeCursor(file.readAll());
}

} // namespace vz::platform
