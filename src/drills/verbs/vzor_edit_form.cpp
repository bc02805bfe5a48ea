#include "vzor_edit_form.h"

#include "../../app/cursors.h"
#include "../../controls/align_edit.h"
#include "../../controls/fonts.h"
#include "../../controls/letter_buttons.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>

namespace vz {
namespace {

constexpr int kSentenceLeft = 167;
constexpr int kLineWidth = 419;

int rowTop(int r) {
    return 106 + 36 * (r - 1);
}

} // namespace

TwndVzorEdit::TwndVzorEdit(QWidget* stage) : TTypedAnswerForm(stage) {
    setObjectName(QStringLiteral("wndVzorEdit"));
    for (int r = 1; r <= kRows; ++r) {
        lbVzor[r - 1] = rowLabel(this, QRect(28, rowTop(r), 113, 20), Qt::AlignCenter);
        lbBefore[r - 1] = rowLabel(this, QRect(kSentenceLeft, rowTop(r), 0, 20));
        addField(r, QRect(0, rowTop(r), 0, 20));
        lbAfter[r - 1] = rowLabel(this, QRect(0, rowTop(r), 0, 20));
        addMark(r, 599, 101 + 36 * (r - 1));
    }
    zakryti = coverPanel(this, QRect(18, 278, 616, 178));
}

void TwndVzorEdit::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TwndVzorEdit::DealNextPage() {
    countPage();
    DealPage();
}

void TwndVzorEdit::countPage() {
    PageSize = ExamplesLeft < 10 ? 5 : 10;
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize == 5)
        showCover(zakryti, Background, QPoint(17, 278));
}

void TwndVzorEdit::DealPage() {
    letters->drawInto(Background);
    ExampleDrawer drawer(LoadGameSection(), vzor::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= PageSize; ++r) {
        const QStringList lines = drawer.exampleLines(drawn[r - 1]);
        rows[r - 1] = vzor::parseExample(lines.value(0).mid(1), lines.value(1));
        layoutRow(r);
    }
    for (int r = 1; r <= kRows; ++r) {
        for (QLabel* label : {lbVzor[r - 1], lbBefore[r - 1], lbAfter[r - 1]})
            label->setVisible(r <= PageSize);
    }
    openFields(PageSize);
    update();
}

void TwndVzorEdit::layoutRow(int r) {
    const VzorRow& row = rows[r - 1];
    const QFontMetrics fieldFont(screenFont(16));
    const int fieldWidth =
        qMax(fieldFont.horizontalAdvance(row.shown), fieldFont.horizontalAdvance(row.answer)) + 12;
    const int size =
        fittingFontSize(row.before + QStringLiteral("  ") + row.after, kLineWidth - fieldWidth);
    lbVzor[r - 1]->setText(row.shown);
    TAlignEdit* field = ed[r - 1];
    layoutSentence(lbBefore[r - 1], field, lbAfter[r - 1], row.before, row.after, size, fieldWidth);
}

} // namespace vz
