// 7e: the vocabulary of the chosen topics; the pupil writes the German word
// beside each Slovak one and may take it from the word bank.
#include "../../controls/lchset.h"
#include "../../drills/words/slovicka_rules.h"
#include "../../screens/game_catalogue.h"
#include "../../store/section_reader.h"
#include "../worksheet.h"

namespace vz::printing {

Worksheet sheet7e(const SheetRequest& request) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    const QStringList topics = request.topics.isEmpty()
                                   ? slovicka::topicNames(readSection(request.data, header))
                                   : request.topics;
    QStringList vocab = slovicka::joinTopics(request.data, header, topics);
    const TLChSet used(1);
    const int available = slovicka::drawableCount(vocab, used);
    if (available < request.count) {
        QString message = tooFewExamplesMessage(request.game->code(), available, request.count);
        message.chop(1); // the full stop
        throw WorksheetError(message + QStringLiteral(" alebo vyberte viac tém."));
    }
    TLChSet page(request.count);
    const QVector<int> drawn =
        slovicka::drawPage(vocab, request.count, used, page, *request.random, header);

    Worksheet sheet;
    sheet.instruction = QStringLiteral("Napíš ku každému slovenskému slovu nemecké slovo, "
                                       "podstatné meno aj so členom. Slová nájdeš v rámčeku.");
    for (const int index : drawn) {
        const slovicka::Pair pair = *slovicka::parsePair(vocab[index].mid(1)); // after the mark
        WorksheetItem item;
        item.task = pair.prompt + QStringLiteral(" – ") + kGap;
        item.answer = pair.answer;
        item.key = slovicka::answerText(pair);
        sheet.items << item;
        sheet.wordBank << pair.answer;
    }
    sheet.wordBank = slovicka::shuffled(sheet.wordBank, *request.random);
    return sheet;
}

} // namespace vz::printing
