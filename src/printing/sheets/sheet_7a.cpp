// 7a: kein, keine or nicht in the gap "..." of each phrase.
#include "../../drills/words/cleny_rules.h"
#include "sorting_sheet.h"

namespace vz::printing {

Worksheet sheet7a(const SheetRequest& request) {
    const sorting::Game& game = cleny::game(7);
    static const QString dots = QStringLiteral("...");
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň do každej vety správny zápor. "
                                       "Vyber ho z možností v zátvorke.");
    for (const SortedWord& phrase : drawSortedWords(request, game)) {
        WorksheetItem item;
        // A phrase without a gap takes the negation after it.
        const QString text =
            phrase.word.contains(dots) ? phrase.word : phrase.word + QStringLiteral(" – ") + dots;
        item.task = QString(text).replace(dots, kGap);
        item.choices = columnNames(game);
        item.answer = phrase.column;
        item.key = QString(text).replace(dots, phrase.column);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
