#pragma once

#include "../worksheet.h"

namespace vz::printing {

// The worksheet of a typing drill of word pairs (1d, 3d): each shown word
// with a write-in line beside it; the key line is "shown – answer", where
// `answerStart` goes before the content's answer ("die " for plurals).
Worksheet perfSheet(const SheetRequest& request, const QString& instruction,
                    const QString& answerStart = {});

} // namespace vz::printing
