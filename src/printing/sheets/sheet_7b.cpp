// 7b: the odd one out; each row sets out four words in columns and the
// pupil crosses out the one that does not belong with the others.
#include "../../controls/lchset.h"
#include "../../drills/words/skupiny_rules.h"
#include "../../screens/game_catalogue.h"
#include "../../store/section_reader.h"
#include "../worksheet.h"

namespace vz::printing {

Worksheet sheet7b(const SheetRequest& request) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    const QStringList section = readSection(request.data, header);
    // A group's words come once on a sheet, whatever sentences it has.
    const int available = skupiny::groupCount(section);
    if (available < request.count)
        throw WorksheetError(tooFewExamplesMessage(request.game->code(), available, request.count));
    const TLChSet used(1); // a sheet starts afresh: nothing counts as used
    TLChSet page(request.count);
    const QVector<OddRow> rows =
        skupiny::dealPage(section, request.count, used, page, *request.random, header);

    Worksheet sheet;
    sheet.instruction = QStringLiteral("Prečiarkni v každom riadku slovo, ktoré nepatrí medzi "
                                       "ostatné.");
    for (const OddRow& row : rows) {
        WorksheetItem item;
        item.crossOut = true;
        item.choices = QStringList(row.words.begin(), row.words.end());
        item.answer = row.oddWord;
        item.key = skupiny::answerFirstLine(row);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
