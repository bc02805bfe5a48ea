#include "diktat_cis_form.h"

#include "../../app/globals.h"
#include "../../controls/labels.h"
#include "../../controls/letter_buttons.h"
#include "../../store/section_reader.h"
#include "diktat_cis_rules.h"

namespace vz {
namespace {

// Four rows of 3, 2, 3 and 2 cells, staggered; each cell is a loudspeaker,
// a field and a mark.
struct Cell {
    QPoint speaker;
    QPoint field;
    QPoint mark;
};

constexpr std::array<Cell, 10> kCells{{
    {{29, 130}, {78, 135}, {183, 129}},
    {{238, 130}, {288, 135}, {392, 129}},
    {{448, 130}, {498, 135}, {601, 129}},
    {{132, 215}, {183, 220}, {288, 215}},
    {{343, 215}, {393, 220}, {497, 215}},
    {{28, 300}, {78, 305}, {183, 300}},
    {{239, 300}, {288, 305}, {392, 300}},
    {{448, 300}, {498, 305}, {601, 300}},
    {{134, 385}, {183, 390}, {288, 384}},
    {{342, 385}, {393, 390}, {497, 384}},
}};

} // namespace

TwndDiktatCis::TwndDiktatCis(QWidget* stage) : TListeningForm(stage) {
    setObjectName(QStringLiteral("wndDiktatCis"));
    for (int c = 1; c <= kRows; ++c) {
        const Cell& cell = kCells[c - 1];
        addLoudspeaker(c, QRect(cell.speaker, QSize(46, 27)));
        addField(c, QRect(cell.field, QSize(86, 20)));
        addMark(c, cell.mark.x(), cell.mark.y());
    }
    addCover(QRect(17, 263, 617, 178));
    for (TBMPLabel* button : letters->buttons)
        button->hide(); // numbers need no German letters
}

void TwndDiktatCis::DealPage() {
    PageExamples->Clear();
    const QString header = diktatcis::sectionHeader(GameGroup);
    const QStringList dealt = diktatcis::dealPage(readSection(DataList, header), PageSize,
                                                  *UsedExamples, *PageExamples, rng(), header);
    for (int c = 1; c <= PageSize; ++c)
        numbers[c - 1] = dealt[c - 1];
    openRows(PageSize);
    update();
}

bool TwndDiktatCis::judgeRow(int cell) {
    return diktatcis::isRight(answerText(cell), numbers[cell - 1]);
}

QString TwndDiktatCis::soundOf(int cell) const {
    return diktatcis::soundFile(numbers[cell - 1]);
}

} // namespace vz
