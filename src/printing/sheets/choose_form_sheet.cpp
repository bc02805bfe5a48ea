#include "choose_form_sheet.h"

#include "../../drills/verbs/vyber_rules.h"
#include "../../exercise/answer_text.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet chooseFormSheet(const SheetRequest& request, const QString& instruction) {
    Worksheet sheet;
    sheet.instruction = instruction;
    for (const QStringList& lines : drawExamples(request, vyber::kLinesPerExample)) {
        VyberRow row = vyber::parseExample(lines.value(0), lines.value(1));
        vyber::shuffleForms(row, *request.random);
        WorksheetItem item;
        // A sentence may begin with the gap.
        item.task = (row.before.isEmpty() ? QString() : row.before + QLatin1Char(' ')) + kGap +
                    answers::spacedAfterGap(row.after);
        item.choices = QStringList(row.offered.begin(), row.offered.end());
        item.answer = row.correct;
        item.key = answers::sentenceWithAnswer(row.before, row.correct, row.after).trimmed();
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
