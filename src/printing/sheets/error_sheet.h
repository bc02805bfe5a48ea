#pragma once

#include "../worksheet.h"

namespace vz::printing {

// The worksheet of a find-the-error game (2a, 4b): each sentence, right or
// with one wrong word, and under it a line for "áno"/"nie" and a line for
// the correction. The pupil underlines the wrong word in the sentence.
Worksheet errorSheet(const SheetRequest& request, const QString& instruction);

} // namespace vz::printing
