// 3a: the gender of nouns; the pupil writes der, die or das beside each noun.
#include "../../drills/words/cleny_rules.h"
#include "sorting_sheet.h"

namespace vz::printing {

Worksheet sheet3a(const SheetRequest& request) {
    const sorting::Game& game = cleny::game(3);
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň ku každému podstatnému menu správny člen. "
                                       "Vyber ho z možností v zátvorke.");
    for (const SortedWord& noun : drawSortedWords(request, game)) {
        WorksheetItem item;
        item.task = noun.word + QStringLiteral(" – ") + kGap;
        item.choices = columnNames(game);
        item.answer = noun.column;
        item.key = noun.column + QLatin1Char(' ') + noun.word;
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
