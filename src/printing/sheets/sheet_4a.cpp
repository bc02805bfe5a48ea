// 4a: prepositions of time; the pupil answers the model question by filling
// one or two prepositions (with their article where one belongs to them).
#include "../../drills/sentences/predl_rules.h"
#include "../../exercise/answer_text.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet4a(const SheetRequest& request) {
    const QString dash = QStringLiteral(" – ");
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň do každej odpovede na otázku správnu predložku "
                                       "času, a ak treba, aj so členom.");
    for (const QStringList& lines : drawExamples(request, predl::kLinesPerExample)) {
        const TimeRow row = predl::parseExample(lines);
        WorksheetItem item;
        item.gapLength = 20; // an answer may be two words ("während des")
        item.task = row.Pattern + dash + row.TextBefore + QLatin1Char(' ') + kGap;
        item.answer = row.Answer1;
        if (row.TwoBlanks) {
            item.task += answers::spacedAfterGap(row.TextMiddle) + QLatin1Char(' ') + kGap;
            item.answer += QStringLiteral(", ") + row.Answer2;
        }
        item.task += answers::spacedAfterGap(row.TextAfter);
        item.key = row.Pattern + dash + predl::answerSentence(row);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
