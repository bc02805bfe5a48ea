// 2b: possessive pronouns; after a sentence that tells whose something is,
// the pupil builds the pronoun of the next sentence from a stem and an
// ending of the palette, which the sheet prints in its frame.
#include "../../drills/pronouns/przajm_rules.h"
#include "../../exercise/answer_text.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet2b(const SheetRequest& request) {
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň do každej vety správne privlastňovacie zámeno, "
                                       "ktoré zostavíš zo základu a koncovky v rámčeku.");
    sheet.wordBank = przajm::paletteStems() + przajm::paletteEndings();
    for (const QStringList& lines : drawExamples(request, przajm::kLinesPerExample)) {
        const PronounRow row = przajm::parseExample(lines);
        WorksheetItem item;
        item.task = row.Context + QLatin1Char(' ') +
                    (row.TextBefore.isEmpty() ? QString() : row.TextBefore + QLatin1Char(' ')) +
                    kGap + answers::spacedAfterGap(row.TextAfter);
        item.answer = row.Stem + row.Ending;
        item.key = row.Context + QLatin1Char(' ') + przajm::answerSentence(row);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
