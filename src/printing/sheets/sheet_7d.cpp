// 7d: superordinate words; each row lists words of one group and the pupil
// writes the word for the group beside them, taking it from the word bank.
#include "../../drills/words/nadraz_rules.h"
#include "../../screens/game_catalogue.h"
#include "../../store/section_reader.h"
#include "../worksheet.h"

#include <algorithm>
#include <numeric>

namespace vz::printing {
namespace {

// Words of a row: enough to tell the group, as in a row of the drill.
constexpr int kWordsPerRow = 3;

} // namespace

Worksheet sheet7d(const SheetRequest& request) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    const nadraz::Content content = nadraz::readContent(request.data, header);
    const int groupCount = int(content.groups.size());
    int available = 0;
    for (const QStringList& words : content.words)
        available += int(words.size()) / kWordsPerRow;
    if (available < request.count)
        throw WorksheetError(tooFewExamplesMessage(request.game->code(), available, request.count));

    // Each group's words in random order, dealt from the front.
    QVector<QStringList> left = content.words;
    for (QStringList& words : left)
        std::shuffle(words.begin(), words.end(), *request.random);
    // The groups in random order, taken in turn, so that a group comes again
    // only when every group with words left has had a row.
    QVector<int> groups(groupCount);
    std::iota(groups.begin(), groups.end(), 0);
    std::shuffle(groups.begin(), groups.end(), *request.random);

    Worksheet sheet;
    sheet.instruction = QStringLiteral("Napíš ku každému radu slov nadradené slovo. "
                                       "Vyber ho z rámčeka.");
    for (int turn = 0; sheet.items.size() < request.count; ++turn) {
        const int group = groups[turn % groupCount];
        if (left[group].size() < kWordsPerRow)
            continue;
        const QString words =
            QStringList(left[group].mid(0, kWordsPerRow)).join(QStringLiteral(", "));
        left[group].remove(0, kWordsPerRow);
        WorksheetItem item;
        item.task = words + QStringLiteral(" – ") + kGap;
        item.answer = content.groups[group];
        item.key = words + QStringLiteral(" – ") + item.answer;
        sheet.items << item;
        sheet.wordBank << item.answer;
    }
    sheet.wordBank = nadraz::dictionaryOrder(sheet.wordBank);
    std::shuffle(sheet.items.begin(), sheet.items.end(), *request.random);
    return sheet;
}

} // namespace vz::printing
