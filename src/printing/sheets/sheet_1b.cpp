// 1b: the present tense of common verbs; each sentence has a gap for the
// verb whose infinitive stands in brackets, as the drill shows it beside the
// row.
#include "../../drills/verbs/typed_rules.h"
#include "../../exercise/answer_text.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet1b(const SheetRequest& request) {
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň do každej vety správny tvar slovesa zo zátvorky.");
    for (const QStringList& lines : drawExamples(request, vzor::kLinesPerExample)) {
        const VzorRow row = vzor::parseExample(lines.value(0), lines.value(1));
        WorksheetItem item;
        item.task = (row.before.isEmpty() ? QString() : row.before + QLatin1Char(' ')) + kGap +
                    answers::spacedAfterGap(row.after);
        item.choices = QStringList{row.shown}; // the infinitive, printed after the gap
        item.answer = row.answer;
        item.key = answers::sentenceWithAnswer(row.before, row.answer, row.after).trimmed();
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
