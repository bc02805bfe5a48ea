#include "error_sheet.h"

#include "../../drills/pronouns/oszajm_rules.h"
#include "draw_examples.h"

namespace vz::printing {
namespace {

// The sentence as the game shows it: its words without the marks of the
// wrong part, punctuation right after the word before it.
QString shownSentence(const ErrorRow& row) {
    QString text;
    for (const SentenceToken& token : oszajm::tokens(row.sentence))
        text +=
            (text.isEmpty() || token.punctuation ? QString() : QStringLiteral(" ")) + token.caption;
    return text;
}

} // namespace

Worksheet errorSheet(const SheetRequest& request, const QString& instruction) {
    const QString yes = QStringLiteral("áno");
    const QString no = QStringLiteral("nie");
    Worksheet sheet;
    sheet.instruction = instruction;
    for (const QStringList& lines : drawExamples(request, 1)) {
        const ErrorRow row = oszajm::parseLine(lines.value(0));
        WorksheetItem item;
        item.task = shownSentence(row) + QStringLiteral("\nChyba: ") + kGap +
                    QStringLiteral("      Oprava: ") + kGap;
        item.choices = QStringList{yes, no};
        if (row.hasError) {
            item.answer = yes + QStringLiteral(", ") + row.correctWord;
            item.key = oszajm::answerSecondLine(row) + QStringLiteral(" (") + row.wrongWord +
                       QStringLiteral(" → ") + row.correctWord + QLatin1Char(')');
        } else {
            item.answer = no;
            item.key = row.sentence + QStringLiteral(" (bez chyby)");
        }
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
