#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vz {

// Reads a scrambled file whole and returns its lines. Raises AppError with
// "Cannot open file" and the path when the file cannot be read.
QStringList loadScrambledLines(const QString& path);

// The results tables as read from tab.dat. A file with a NUL or another
// control character in it was damaged outside the program: its lines are
// read past the damage (nothing is cut off at a NUL) and `damaged` is set, so
// that the original is kept before it is ever written again.
struct TabFile {
    QStringList lines;
    bool damaged = false;
};
TabFile loadTabFile(const QString& path);

// Copies a damaged file beside itself under a new name ("tab.dat" becomes
// "tab.dat.poskodeny-<date>-<time>"); returns the copy's path, empty when the
// copy could not be made.
QString keepDamagedCopy(const QString& path, const QDateTime& now);

// Writes the lines scrambled, each ended by CR LF. The old file is replaced
// only once the new one is completely on disk, so a crash, a kill or a full
// disk during the write leaves the previous contents intact; only in a folder
// the account may not change is the file overwritten in place. Raises
// AppError when the file cannot be written.
void saveScrambledLines(const QString& path, const QStringList& lines);

// Whether this account can save results in `dataDir`: tab.dat and
// Vysledky.dat writable where they exist, the folder where they do not.
// A shared installation gives every pupil writable files in a folder
// only the administrator may change.
bool resultsWritable(const QString& dataDir);

} // namespace vz
