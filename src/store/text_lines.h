#pragma once

#include <QByteArray>
#include <QStringList>

namespace vz {

// Splits Windows-1250 text into lines. A line ends at CR LF, a lone CR or a
// lone LF; a NUL byte ends the text. A final line without an end still counts.
QStringList splitLines(const QByteArray& cp1250Text);

// Joins lines back into Windows-1250 text, every line followed by CR LF.
// Clears *ok when a line holds a character the code page cannot store.
QByteArray joinLines(const QStringList& lines, bool* ok = nullptr);

} // namespace vz
