#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace vz::platform {

enum class PrintOutcome { Printed, LibraryMissing, EntryMissing };

// Loads the printing library, calls its entry point `entry` with the name as
// a length-prefixed single-byte string (at most 255 bytes), the game number
// and the example count, and unloads it again. A library without that entry
// point is not called.
PrintOutcome callPrintLibrary(const QString& libraryPath, const QString& entry,
                              const QByteArray& name, quint8 gameNumber, quint8 count);

// The same for the vocabulary worksheet: the entry point "Slovicka" also
// gets one byte per topic slot (1 ticked, 0 not), by reference.
PrintOutcome callVocabularyPrint(const QString& libraryPath, const QByteArray& name,
                                 quint8 gameNumber, quint8 count,
                                 const std::array<quint8, 30>& topics);

} // namespace vz::platform
