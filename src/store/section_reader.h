#pragma once

#include <QString>
#include <QStringList>

namespace vz {

// The body of the section whose header line is `header` (for example "[1a]"):
// every line after the header up to the next line that begins with "[".
// Raises "Cannot open file" when the exact header text occurs nowhere in the
// list, or when no whole line equals it (letter case ignored).
QStringList readSection(const QStringList& lines, const QString& header);

// The header of a game's content section: "[" + group digit + letter + "]".
QString gameSectionHeader(int group, QChar letter);

} // namespace vz
