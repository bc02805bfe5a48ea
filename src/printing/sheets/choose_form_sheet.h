#pragma once

#include "../worksheet.h"

namespace vz::printing {

// The worksheet of a choose-the-form game (1a, 3c, 4c): each sentence with a
// write-in line and its three forms in the drill's shuffled order.
Worksheet chooseFormSheet(const SheetRequest& request, const QString& instruction);

} // namespace vz::printing
