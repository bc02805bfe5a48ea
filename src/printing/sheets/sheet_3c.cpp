// 3c: the dative and accusative after the indefinite article.
#include "choose_form_sheet.h"

namespace vz::printing {

Worksheet sheet3c(const SheetRequest& request) {
    return chooseFormSheet(request, QStringLiteral("Doplň do každej vety neurčitý člen v správnom "
                                                   "páde. Vyber ho z tvarov v zátvorke."));
}

} // namespace vz::printing
