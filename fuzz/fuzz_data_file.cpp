// The scrambled-file loader and the line splitter: data.dat and tab.dat as a
// damaged disk or a careless editor may leave them.

#include "fuzz_input.h"
#include "store/app_error.h"
#include "store/data_files.h"
#include "store/scramble.h"
#include "store/text_lines.h"

using namespace vz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray raw = fuzz::bytes(data, size);

    // Lines hold no line ends; joining and splitting again gives the same lines.
    const QStringList lines = splitLines(raw);
    for (const QString& line : lines)
        VZ_FUZZ_REQUIRE(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    bool storable = true;
    const QByteArray joined = joinLines(lines, &storable);
    if (storable)
        VZ_FUZZ_REQUIRE(splitLines(joined) == lines);

    // Scrambling twice restores the bytes.
    QByteArray scrambled = raw;
    ScrambleStream(scrambled);
    VZ_FUZZ_REQUIRE(scrambled.size() == raw.size());
    ScrambleStream(scrambled);
    VZ_FUZZ_REQUIRE(scrambled == raw);

    // The file readers see the input as a scrambled file.
    ScrambleStream(scrambled);
    const QString path = fuzz::inputFile(scrambled);
    try {
        VZ_FUZZ_REQUIRE(loadScrambledLines(path) == lines);
    } catch (const AppError&) {
        std::abort(); // a readable file is always read
    }
    // The results file is read past damage: no control character survives,
    // and a file without damage reads as any other.
    const TabFile tab = loadTabFile(path);
    for (const QString& line : tab.lines)
        for (const QChar c : line)
            VZ_FUZZ_REQUIRE(c.unicode() >= 0x20 || c == QLatin1Char('\t'));
    VZ_FUZZ_REQUIRE(tab.damaged || tab.lines == lines);
    return 0;
}
