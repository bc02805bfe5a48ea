// The content packer and every drill's check of its content lines: a content
// file with anything in it either fails with its line named or packs into a
// data.dat that reads back line for line.

#include "content_packer.h"
#include "drills/content_check.h"
#include "fuzz_input.h"
#include "screens/game_catalogue.h"
#include "store/scramble.h"
#include "store/text_lines.h"

using namespace vz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList lines;
    try {
        lines = packer::readContent(fuzz::bytes(data, size), QStringLiteral("content.txt"), true);
    } catch (const packer::ContentError& error) {
        VZ_FUZZ_REQUIRE(QString::fromUtf8(error.what()).startsWith(QStringLiteral("content.txt")));
        return 0;
    }
    // Counting never depends on the check having passed.
    for (const GameInfo& game : GameCatalogue())
        gameExampleCount(game.code(), lines);
    try {
        packer::checkSections(QStringLiteral("content.txt"), lines);
    } catch (const packer::ContentError&) {
        return 0;
    }
    QByteArray packed = packer::packScrambled(lines);
    ScrambleStream(packed);
    VZ_FUZZ_REQUIRE(splitLines(packed) == lines);
    return 0;
}
