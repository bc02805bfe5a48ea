// 4b: the prepositions in, nach, aus, an; a sentence is right or has one
// wrong preposition or article.
#include "error_sheet.h"

namespace vz::printing {

Worksheet sheet4b(const SheetRequest& request) {
    return errorSheet(request, QStringLiteral("Napíš pri každej vete, či je v nej chyba, a ak áno, "
                                              "podčiarkni nesprávne slovo a správne slovo napíš na "
                                              "riadok za slovom Oprava."));
}

} // namespace vz::printing
