#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace vz::packer {

// A fault in a content file, with the file and line it names.
class ContentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lines of a UTF-8 content file. Raises ContentError naming `path` and the
// line on text that is not UTF-8, on a character Windows-1250 cannot hold, on
// an empty line, and (when `needsHeader`) on a file that does not begin with a
// section header.
QStringList readContent(const QByteArray& utf8, const QString& path, bool needsHeader);

// Checks every section with the rules of the drill that reads it; raises
// ContentError listing every fault with its line.
void checkSections(const QString& path, const QStringList& lines);

// The lines as the program reads them from data.dat: Windows-1250, CR LF, scrambled.
QByteArray packScrambled(const QStringList& lines);

} // namespace vz::packer
