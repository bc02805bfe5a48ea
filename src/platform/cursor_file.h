#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

namespace vz::platform {

struct CursorImage {
    QImage image; // ARGB32
    QPoint hotSpot;
};

// Windows .cur files: one 32-bit image with an AND mask, or a PNG entry.
QByteArray encodeCursor(const QImage& image, QPoint hotSpot);
std::optional<CursorImage> decodeCursor(const QByteArray& bytes);
std::optional<CursorImage> readCursorFile(const QString& path);

} // namespace vz::platform
