// A stand-in for the printing library: every entry point writes what it
// received to the file named by VZ_PRINT_RECORD, so tests can check the call.

#include <cstdio>
#include <cstdlib>

namespace {

void record(const char* entry, const unsigned char* name, unsigned char game, unsigned char count) {
    const char* path = std::getenv("VZ_PRINT_RECORD");
    if (!path)
        return;
    if (FILE* out = std::fopen(path, "wb")) {
        std::fprintf(out, "%s|%u|", entry, unsigned(name[0]));
        std::fwrite(name + 1, 1, name[0], out);
        std::fprintf(out, "|%u|%u", unsigned(game), unsigned(count));
        std::fclose(out);
    }
}

} // namespace

extern "C" {
void Hra1(const unsigned char* name, unsigned char game, unsigned char count) {
    record("Hra1", name, game, count);
}
void Hra16(const unsigned char* name, unsigned char game, unsigned char count) {
    record("Hra16", name, game, count);
}
// The vocabulary worksheet: the topic flags follow as thirty digits.
void Slovicka(const unsigned char* name, unsigned char game, unsigned char count,
              const unsigned char* topics) {
    record("Slovicka", name, game, count);
    if (const char* path = std::getenv("VZ_PRINT_RECORD")) {
        if (FILE* out = std::fopen(path, "ab")) {
            std::fputc('|', out);
            for (int i = 0; i < 30; ++i)
                std::fputc('0' + topics[i], out);
            std::fclose(out);
        }
    }
}
}
