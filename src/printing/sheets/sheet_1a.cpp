// 1a: the auxiliary verbs sein and haben in the choose-the-form drill.
#include "choose_form_sheet.h"

namespace vz::printing {

Worksheet sheet1a(const SheetRequest& request) {
    return chooseFormSheet(request, QStringLiteral("Doplň do každej vety správny tvar slovesa. "
                                                   "Vyber ho z tvarov v zátvorke."));
}

} // namespace vz::printing
