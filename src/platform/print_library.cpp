#include "print_library.h"

#include <QLibrary>
#include <array>

namespace vz::platform {

PrintOutcome callPrintLibrary(const QString& libraryPath, const QString& entry,
                              const QByteArray& name, quint8 gameNumber, quint8 count) {
    QLibrary library(libraryPath);
    if (!library.load())
        return PrintOutcome::LibraryMissing;
    using GamePrint =
        void (*)(const unsigned char* name, unsigned char gameNumber, unsigned char count);
    const auto print = reinterpret_cast<GamePrint>(library.resolve(entry.toLatin1().constData()));
    if (!print) {
        library.unload();
        return PrintOutcome::EntryMissing;
    }
    std::array<unsigned char, 256> text{};
    const int length = static_cast<int>(qMin<qsizetype>(name.size(), 255));
    text[0] = static_cast<unsigned char>(length);
    std::copy_n(name.constData(), length, text.begin() + 1);
    print(text.data(), gameNumber, count);
    library.unload();
    return PrintOutcome::Printed;
}

} // namespace vz::platform
