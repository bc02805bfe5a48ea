// 1e: the imperative. Each scene is followed by what is said in it, with a
// gap for the verb; the names are drawn from the drill's lists afresh for
// every five scenes, as the drill draws them for a page.
#include "../../drills/verbs/typed_rules.h"
#include "../../exercise/answer_text.h"
#include "../../screens/game_catalogue.h"
#include "../../store/section_reader.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet1e(const SheetRequest& request) {
    const GameInfo& game = *request.game;
    const QStringList children = readSection(
        request.data, rozkaz::namesSectionHeader(game.group, game.letter, QLatin1Char('$')));
    const QStringList grandparents = readSection(
        request.data, rozkaz::namesSectionHeader(game.group, game.letter, QLatin1Char('%')));

    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň do každej vety sloveso v rozkazovacom spôsobe "
                                       "podľa situácie nad ňou.");
    QStringList pageChildren, pageGrandparents;
    for (const QStringList& lines : drawExamples(request, rozkaz::kLinesPerExample)) {
        if (sheet.items.size() % rozkaz::kPageSize == 0) {
            pageChildren = children;
            pageGrandparents = grandparents;
        }
        RozkazRow row = rozkaz::parseExample(lines);
        rozkaz::fillNames(row, pageChildren, pageGrandparents, *request.random);
        WorksheetItem item;
        item.task = row.situation + QLatin1Char('\n') +
                    (row.before.isEmpty() ? QString() : row.before + QLatin1Char(' ')) + kGap +
                    answers::spacedAfterGap(row.after);
        item.answer = row.answer;
        item.key = row.situation + QLatin1Char('\n') + rozkaz::answerSentence(row).trimmed();
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
