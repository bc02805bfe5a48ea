// The entry points the program looks up in the library: "Hra<number>" for
// every game with a worksheet and "Slovicka" for the vocabulary topics.
// Only these leave the library (see ravad.map).
#include "preview.h"

extern "C" {

#define VZ_GAME_SHEET(number, function)                                                            \
    void Hra##number(const unsigned char* name, unsigned char /*game*/, unsigned char count) {     \
        vz::printing::previewWorksheet(number, name, count);                                       \
    }
#define VZ_TOPIC_SHEET(number, function)                                                           \
    void Slovicka(const unsigned char* name, unsigned char /*game*/, unsigned char count,          \
                  const unsigned char* topics) {                                                   \
        vz::printing::previewWorksheet(number, name, count, topics);                               \
    }
#include "worksheets.def"
#undef VZ_GAME_SHEET
#undef VZ_TOPIC_SHEET
}
