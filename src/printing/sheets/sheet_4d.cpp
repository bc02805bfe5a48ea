// 4d: whether a phrase with a two-way preposition answers "wohin" or "wo".
#include "../../drills/words/predl2_rules.h"
#include "sorting_sheet.h"

namespace vz::printing {

Worksheet sheet4d(const SheetRequest& request) {
    const sorting::Game& game = predl2::game();
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň ku každému spojeniu otázku, na ktorú odpovedá. "
                                       "Vyber ju z možností v zátvorke.");
    for (const SortedWord& phrase : drawSortedWords(request, game)) {
        WorksheetItem item;
        item.task = phrase.word + QStringLiteral(" – ") + kGap;
        item.choices = columnNames(game);
        item.answer = phrase.column;
        item.key = phrase.word + QStringLiteral(" – ") + phrase.column;
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
