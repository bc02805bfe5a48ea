#pragma once

#include "renderer.h"

namespace vz::printing {

// Writes the worksheet and its key as a PDF file; the file appears only once
// it is complete. Raises WorksheetError when it cannot be written.
void writeWorksheetPdf(const Worksheet& sheet, const SheetHeader& header, const QString& path);

} // namespace vz::printing
