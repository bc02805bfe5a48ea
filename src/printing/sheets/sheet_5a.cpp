// 5a: word order; the words of each sentence scrambled as the drill
// scrambles them, fixed words in their place and in brackets, and a line
// to write the sentence on.
#include "../../drills/sentences/poradek_rules.h"
#include "draw_examples.h"

namespace vz::printing {
namespace {

// A scramble may give the sentence back in its right order; then two
// different movable words change places (every sentence has two).
void unlessScrambled(poradek::WordOrder& order) {
    for (int a = 0; a < order.size() && order.isRight(); ++a) {
        for (int b = a + 1; b < order.size(); ++b) {
            if (order.words()[a] != order.words()[b] && order.swap(a, b))
                return;
        }
    }
}

} // namespace

Worksheet sheet5a(const SheetRequest& request) {
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Zoraď slová do správnej vety a napíš ju na riadok; slovo "
                                       "v hranatých zátvorkách zostáva na svojom mieste.");
    for (const QStringList& lines : drawExamples(request, 1)) {
        const OrderSentence sentence = poradek::parseExample(lines.value(0));
        poradek::WordOrder order(sentence);
        order.scramble(*request.random);
        unlessScrambled(order);
        QStringList shown;
        for (int i = 0; i < order.size(); ++i)
            shown << (order.isFixed(i) ? QLatin1Char('[') + order.words()[i] + QLatin1Char(']')
                                       : order.words()[i]);
        WorksheetItem item;
        item.task = shown.join(QStringLiteral(" / ")) + QLatin1Char('\n') + kGap;
        item.gapLength = 70; // across the page, for the longest sentence
        item.answer = order.correctSentence();
        item.key = order.correctSentence();
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
