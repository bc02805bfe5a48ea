#pragma once

#include <QString>
#include <QStringList>

namespace vz {

// Reads a scrambled file whole and returns its lines. Raises AppError with
// "Cannot open file" and the path when the file cannot be read.
QStringList loadScrambledLines(const QString& path);

// Writes the lines scrambled, each ended by CR LF. The old file is replaced
// only once the new one is completely on disk, so a crash, a kill or a full
// disk during the write leaves the previous contents intact. Raises AppError
// when the file cannot be written.
void saveScrambledLines(const QString& path, const QStringList& lines);

} // namespace vz
