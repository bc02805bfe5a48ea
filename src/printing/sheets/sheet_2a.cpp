// 2a: personal pronouns and "es"; a sentence is right or has one wrong pronoun.
#include "error_sheet.h"

namespace vz::printing {

Worksheet sheet2a(const SheetRequest& request) {
    return errorSheet(request, QStringLiteral("Napíš pri každej vete, či je v nej chyba, a ak áno, "
                                              "podčiarkni nesprávne zámeno a správny tvar napíš na "
                                              "riadok za slovom Oprava."));
}

} // namespace vz::printing
