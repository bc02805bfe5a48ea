#include "print_library.h"

#include <QLibrary>
#include <functional>

namespace vz::platform {
namespace {

using ShortString = std::array<unsigned char, 256>;

ShortString shortString(const QByteArray& name) {
    ShortString text{};
    const int length = static_cast<int>(qMin<qsizetype>(name.size(), 255));
    text[0] = static_cast<unsigned char>(length);
    std::copy_n(name.constData(), length, text.begin() + 1);
    return text;
}

// Loads the library, finds `entry` and hands its address to `call`; the
// library is unloaded again afterwards.
PrintOutcome withEntryPoint(const QString& libraryPath, const QString& entry,
                            const std::function<void(QFunctionPointer)>& call) {
    QLibrary library(libraryPath);
    if (!library.load())
        return PrintOutcome::LibraryMissing;
    const QFunctionPointer address = library.resolve(entry.toLatin1().constData());
    if (!address) {
        library.unload();
        return PrintOutcome::EntryMissing;
    }
    call(address);
    library.unload();
    return PrintOutcome::Printed;
}

} // namespace

PrintOutcome callPrintLibrary(const QString& libraryPath, const QString& entry,
                              const QByteArray& name, quint8 gameNumber, quint8 count) {
    using GamePrint =
        void (*)(const unsigned char* name, unsigned char gameNumber, unsigned char count);
    return withEntryPoint(libraryPath, entry, [&](QFunctionPointer address) {
        const ShortString text = shortString(name);
        reinterpret_cast<GamePrint>(address)(text.data(), gameNumber, count);
    });
}

PrintOutcome callVocabularyPrint(const QString& libraryPath, const QByteArray& name,
                                 quint8 gameNumber, quint8 count,
                                 const std::array<quint8, 30>& topics) {
    using VocabularyPrint = void (*)(const unsigned char* name, unsigned char gameNumber,
                                     unsigned char count, const unsigned char* topics);
    return withEntryPoint(libraryPath, QStringLiteral("Slovicka"), [&](QFunctionPointer address) {
        const ShortString text = shortString(name);
        std::array<unsigned char, 30> ticked{};
        std::copy(topics.begin(), topics.end(), ticked.begin());
        reinterpret_cast<VocabularyPrint>(address)(text.data(), gameNumber, count, ticked.data());
    });
}

} // namespace vz::platform
