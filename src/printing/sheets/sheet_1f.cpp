// 1f: verbs with separable and inseparable prefixes. Each sentence has two
// write-in lines; the two parts the drill lets the pupil drag stand in
// brackets after the first. Where the parts stay together, one line is left
// empty.
#include "../../drills/verbs/predp_rules.h"
#include "../../exercise/answer_text.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet1f(const SheetRequest& request) {
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň do každej vety obe časti slovesa zo zátvorky; ak "
                                       "majú stáť spolu, napíš ich na jednu čiaru a druhú "
                                       "nechaj prázdnu.");
    for (const QStringList& lines : drawExamples(request, predp::kLinesPerExample)) {
        const PredpRow row = predp::parseExample(lines.value(0), lines.value(1));
        WorksheetItem item;
        item.task = (row.before.isEmpty() ? QString() : row.before + QLatin1Char(' ')) + kGap +
                    answers::spacedAfterGap(row.between) + QLatin1Char(' ') + kGap +
                    answers::spacedAfterGap(row.after);
        item.choices = QStringList{row.red, row.blue};
        // What the two lines hold; an empty one is shown as a dash.
        QStringList held;
        for (const QString& slot : row.solution)
            held << (slot.isEmpty() ? QStringLiteral("–") : slot);
        item.answer = held.join(QStringLiteral(" … "));
        item.key = predp::answerSentence(row);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
