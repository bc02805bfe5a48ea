// The section reader over any list of lines: the content of a school that
// edited data.dat by hand, or a broken copy of it.

#include "fuzz_input.h"
#include "store/app_error.h"
#include "store/section_reader.h"
#include "store/text_lines.h"

using namespace vz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = splitLines(fuzz::bytes(data, size));
    // The first line names the section looked for, as a game's header would.
    const QStringList headers{lines.value(0), QStringLiteral("[1a]"), QStringLiteral("[7e-Škola]")};
    for (const QString& header : headers) {
        try {
            const QStringList body = readSection(lines, header);
            for (const QString& line : body)
                VZ_FUZZ_REQUIRE(!line.startsWith(QLatin1Char('[')));
            VZ_FUZZ_REQUIRE(body.size() < lines.size());
        } catch (const AppError&) {
            // a missing section is reported, never guessed
        }
    }
    return 0;
}
