#pragma once

#include "../worksheet.h"

#include <QVector>

namespace vz::printing {

// Draws `request.count` different examples from the game's own section with
// the drill's ExampleDrawer, in the order drawn; each example's lines as the
// content holds them. Raises WorksheetError when the section holds fewer.
QVector<QStringList> drawExamples(const SheetRequest& request, int linesPerExample);

} // namespace vz::printing
