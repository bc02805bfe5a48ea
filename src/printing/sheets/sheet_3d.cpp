// 3d: the plural of nouns. The key gives it with its article, so that a
// plural the same as the singular ("der Lehrer – die Lehrer") still shows
// what was asked.
#include "perf_sheet.h"

namespace vz::printing {

Worksheet sheet3d(const SheetRequest& request) {
    return perfSheet(
        request, QStringLiteral("Napíš ku každému podstatnému menu jeho množné číslo so členom."),
        QStringLiteral("die "));
}

} // namespace vz::printing
