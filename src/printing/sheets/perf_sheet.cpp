#include "perf_sheet.h"

#include "../../drills/verbs/typed_rules.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet perfSheet(const SheetRequest& request, const QString& instruction,
                    const QString& answerStart) {
    Worksheet sheet;
    sheet.instruction = instruction;
    for (const QStringList& lines : drawExamples(request, 1)) {
        const PerfRow row = perf::parseExample(lines.value(0));
        WorksheetItem item;
        item.task = row.shown + QStringLiteral(" – ") + kGap;
        item.answer = answerStart + row.answer;
        item.key = row.shown + QStringLiteral(" – ") + item.answer;
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
