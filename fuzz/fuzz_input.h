#pragma once

// Shared pieces of the fuzz targets: the input as a file where the reader
// under test takes a path, and a check that stops the run with a message.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vz::fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Writes the input to a file of this process (on tmpfs where there is one)
// and returns its path; the same file is reused for every input.
QString inputFile(const QByteArray& content, const QString& name = QStringLiteral("input"));

// A property the reader must keep; a failure aborts so libFuzzer saves the input.
#define VZ_FUZZ_REQUIRE(condition)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

} // namespace vz::fuzz
