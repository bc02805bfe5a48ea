#pragma once

#include <QByteArray>
#include <QString>

namespace vz::platform {

enum class PrintOutcome { Printed, LibraryMissing, EntryMissing };

// Loads the printing library, calls its entry point `entry` with the name as
// a length-prefixed single-byte string (at most 255 bytes), the game number
// and the example count, and unloads it again. A library without that entry
// point is not called.
PrintOutcome callPrintLibrary(const QString& libraryPath, const QString& entry,
                              const QByteArray& name, quint8 gameNumber, quint8 count);

} // namespace vz::platform
