// 1d: the perfect tense of basic verbs, auxiliary verb included.
#include "perf_sheet.h"

namespace vz::printing {

Worksheet sheet1d(const SheetRequest& request) {
    return perfSheet(request, QStringLiteral("Napíš ku každému slovesu jeho tvar v minulom čase "
                                             "aj s pomocným slovesom."));
}

} // namespace vz::printing
