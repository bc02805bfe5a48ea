// 7c: antonyms of adjectives. Each word stands beside a second one that is
// or is not its antonym; the pupil writes "áno" or "nie" and, where it is
// not, the true antonym.
#include "../../controls/lchset.h"
#include "../../drills/words/antonym_rules.h"
#include "../../screens/game_catalogue.h"
#include "../../store/section_reader.h"
#include "../worksheet.h"

namespace vz::printing {
namespace {

// A page of the drill holds 10 rows; the sheet's rows are dealt in pages
// as even as that allows. A page needs three rows (two true pairs and a
// false one at least); a shorter sheet takes the first rows of such a page.
constexpr int kPageRows = 10;
constexpr int kFewestRows = 3;

} // namespace

Worksheet sheet7c(const SheetRequest& request) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    const QStringList section = readSection(request.data, header);
    int available = 0;
    for (const QString& line : section)
        available += !line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#'));
    if (available < qMax(request.count, kFewestRows))
        throw WorksheetError(tooFewExamplesMessage(request.game->code(), available, request.count));

    const QString yes = QStringLiteral("áno");
    const QString no = QStringLiteral("nie");
    Worksheet sheet;
    sheet.instruction = QStringLiteral("Napíš ku každej dvojici slov, či sú antonymá (áno alebo "
                                       "nie), a ak nie sú, napíš na druhú čiaru antonymum "
                                       "prvého slova.");
    const int pages = (request.count + kPageRows - 1) / kPageRows;
    TLChSet used(int(section.size()));
    for (int p = 0; p < pages; ++p) {
        const int rows = request.count / pages + (p < request.count % pages ? 1 : 0);
        TLChSet page(qMax(rows, kFewestRows));
        const QVector<AntonymRow> dealt = antonym::dealPage(section, qMax(rows, kFewestRows), used,
                                                            page, *request.random, header);
        for (const int index : page.Members())
            used.Add(index);
        for (int r = 0; r < rows; ++r) {
            const AntonymRow& row = dealt[r];
            WorksheetItem item;
            item.task = row.word + QStringLiteral(" – ") + row.shown + QStringLiteral(": ") + kGap +
                        QStringLiteral(" → ") + kGap;
            item.choices = QStringList{yes, no};
            item.answer = row.isPair ? yes : no + QStringLiteral(", ") + row.antonym;
            item.key =
                row.word + QStringLiteral(" – ") + row.shown + QStringLiteral(": ") + item.answer;
            sheet.items << item;
        }
    }
    return sheet;
}

} // namespace vz::printing
