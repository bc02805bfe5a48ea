// 6a: numerals; the pupil writes each German numeral in digits.
#include "../../drills/numbers/cisl_rules.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet6a(const SheetRequest& request) {
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Napíš každú číslovku číslicami.");
    for (const QStringList& lines : drawExamples(request, 1)) {
        const CislExample numeral = cisl::parseExample(lines.value(0));
        WorksheetItem item;
        item.task = numeral.prompt + QStringLiteral(" – ") + kGap;
        item.answer = numeral.answer;
        item.key = numeral.prompt + QStringLiteral(" – ") + numeral.answer;
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
