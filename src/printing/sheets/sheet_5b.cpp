// 5b: the suitable reply; each question or statement with its three replies
// in the drill's random order, and a line for the letter of the right one.
#include "../../drills/sentences/odpoved_rules.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet5b(const SheetRequest& request) {
    const QStringList letters{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Prečítaj si každú otázku alebo vetu a na riadok napíš "
                                       "písmeno odpovede, ktorá sa k nej hodí.");
    for (const QStringList& lines : drawExamples(request, odpoved::kLinesPerExample)) {
        const QuizExample example = odpoved::dealExample(lines, *request.random);
        WorksheetItem item;
        item.task = example.Question;
        for (int k = 1; k <= 3; ++k)
            item.task +=
                QLatin1Char('\n') + letters[k - 1] + QStringLiteral(") ") + example.option(k);
        item.task += QStringLiteral("\nOdpoveď: ") + kGap;
        item.choices = letters;
        item.answer = letters[example.CorrectOption - 1];
        item.key = example.Question + QStringLiteral(" – ") + item.answer + QStringLiteral(") ") +
                   example.option(example.CorrectOption);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
