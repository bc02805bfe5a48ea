// 2c: the question word; each statement is followed by a question about one
// of its parts, the question word left out.
#include "../../controls/lchset.h"
#include "../../drills/pronouns/tazzajm_rules.h"
#include "../../screens/game_catalogue.h"
#include "../../store/section_reader.h"
#include "../worksheet.h"

namespace vz::printing {

Worksheet sheet2c(const SheetRequest& request) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    const QStringList section = readSection(request.data, header);
    const int available = tazzajm::exampleCount(section);
    if (available < request.count)
        throw WorksheetError(tooFewExamplesMessage(request.game->code(), available, request.count));
    const TLChSet used(1); // a sheet starts afresh: nothing counts as used
    TLChSet page(request.count);
    const QVector<QuestionRow> rows =
        tazzajm::dealPage(section, request.count, used, page, *request.random, header);

    Worksheet sheet;
    sheet.instruction = QStringLiteral("Doplň na začiatok každej otázky opytovacie slovo, "
                                       "ktorým sa pýtaš na časť vety pred ňou.");
    for (const QuestionRow& row : rows) {
        QString statement;
        for (const StatementToken& piece : tazzajm::statementTokens(row))
            statement += (statement.isEmpty() || piece.attached ? QString() : QStringLiteral(" ")) +
                         piece.text;
        WorksheetItem item;
        item.task = statement + QLatin1Char(' ') + kGap + QLatin1Char(' ') + row.questionRest;
        item.answer = row.questionWord;
        item.key = row.questionWord + QLatin1Char(' ') + row.questionRest;
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
