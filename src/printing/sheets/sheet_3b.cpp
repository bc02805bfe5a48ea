// 3b: the dative and accusative after the definite article; each sentence
// offers two forms, one of its five pairs drawn as the drill draws it.
#include "../../drills/sentences/pady_rules.h"
#include "../../exercise/answer_text.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet3b(const SheetRequest& request) {
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Vyber z dvoch tvarov v zátvorke ten, ktorý je v správnom "
                                       "páde, a doplň ho do vety.");
    for (const QStringList& lines : drawExamples(request, pady::kLinesPerExample)) {
        const CaseRow row = pady::dealRow(lines, *request.random);
        WorksheetItem item;
        item.task = (row.TextBefore.isEmpty() ? QString() : row.TextBefore + QLatin1Char(' ')) +
                    kGap + answers::spacedAfterGap(row.TextAfter);
        item.choices = QStringList{row.LeftCaption().trimmed(), row.RightCaption().trimmed()};
        item.answer = row.RightOption.trimmed();
        item.key = pady::answerText(row);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
