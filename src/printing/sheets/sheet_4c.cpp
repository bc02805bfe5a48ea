// 4c: the prepositions zu, über, bei, vor, durch, um and their contractions.
#include "choose_form_sheet.h"

namespace vz::printing {

Worksheet sheet4c(const SheetRequest& request) {
    return chooseFormSheet(request, QStringLiteral("Doplň do každej vety správnu predložku alebo "
                                                   "jej spojenie s členom. Vyber ju z tvarov v "
                                                   "zátvorke."));
}

} // namespace vz::printing
