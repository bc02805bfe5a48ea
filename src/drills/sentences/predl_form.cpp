#include "predl_form.h"

#include "../../controls/align_edit.h"
#include "../../controls/fonts.h"
#include "../../controls/letter_buttons.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>
#include <QKeyEvent>

namespace vz {
namespace {

constexpr int kTextLeft = 82;
constexpr std::array<int, TwndPredl::kRows> kMarkTops{134, 195, 254, 314, 374};

int sentenceTop(int r) {
    return 150 + 60 * (r - 1);
}

} // namespace

TwndPredl::TwndPredl(QWidget* stage) : TTypedAnswerForm(stage) {
    setObjectName(QStringLiteral("wndPredl"));
    for (int r = 1; r <= kRows; ++r) {
        const int top = sentenceTop(r);
        lbVzor[r - 1] = rowLabel(this, QRect(kTextLeft, top - 20, 450, 20));
        lbVzor[r - 1]->setObjectName(QStringLiteral("lbVzor%1").arg(r));
        QPalette white = lbVzor[r - 1]->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        lbVzor[r - 1]->setPalette(white);
        lbBefore[r - 1] = rowLabel(this, QRect(kTextLeft, top, 0, 20));
        lbBefore[r - 1]->setObjectName(QStringLiteral("Label%1").arg(2 * r - 1));
        firstBlank[r - 1] = addField(r, QRect(187, top, 90, 20));
        lbMiddle[r - 1] = rowLabel(this, QRect(301, top, 0, 20));
        lbMiddle[r - 1]->setObjectName(QStringLiteral("Label%1").arg(2 * r));
        secondBlank[r - 1] = addField(r, QRect(379, top, 90, 20));
        secondBlank[r - 1]->setObjectName(QStringLiteral("AlignEdit%1").arg(r));
        lbAfter[r - 1] = rowLabel(this, QRect(493, top, 0, 20));
        lbAfter[r - 1]->setObjectName(QStringLiteral("Label%1").arg(10 + r));
        addMark(r, 574, kMarkTops[r - 1]);
    }
}

void TwndPredl::StartExercise() {
    prepareBackground();
    PageSize = kRows;
    DealPage();
}

void TwndPredl::DealPage() {
    letters->drawInto(Background);
    ExampleDrawer drawer(LoadGameSection(), predl::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= PageSize; ++r) {
        QStringList lines = drawer.exampleLines(drawn[r - 1]);
        lines[0] = lines[0].mid(1); // the drawer's "#"
        rows[r - 1] = predl::parseExample(lines);
        layoutRow(r);
    }
    openFields(int(ed.size()));
    for (int r = 1; r <= kRows; ++r) {
        secondBlank[r - 1]->setVisible(rows[r - 1].TwoBlanks);
        lbAfter[r - 1]->setVisible(rows[r - 1].TwoBlanks);
    }
    update();
}

void TwndPredl::layoutRow(int r) {
    const TimeRow& row = rows[r - 1];
    setFittedText(lbVzor[r - 1], row.Pattern, fittingFontSize(row.Pattern, predl::kPatternWidth));
    const QFontMetrics fieldFont(screenFont(16));
    const int blankWidth =
        qMax(fieldFont.horizontalAdvance(row.Answer1), fieldFont.horizontalAdvance(row.Answer2)) +
        20;
    const QString measured = predl::measuredSentence(row);
    const int size = predl::sentenceFontSize(
        [&measured](int pixelSize) {
            return QFontMetrics(screenFont(pixelSize)).horizontalAdvance(measured);
        },
        predl::kSentenceWidth - (row.TwoBlanks ? 2 : 1) * blankWidth);
    // With one blank the text after it takes the middle label; the last one stays hidden.
    layoutSentence(lbBefore[r - 1], firstBlank[r - 1], lbMiddle[r - 1], row.TextBefore,
                   row.TwoBlanks ? row.TextMiddle : row.TextAfter, size, blankWidth);
    if (row.TwoBlanks)
        layoutSentence(lbMiddle[r - 1], secondBlank[r - 1], lbAfter[r - 1], lbMiddle[r - 1]->text(),
                       row.TextAfter, size, blankWidth);
}

bool TwndPredl::judgeRow(int r) {
    return predl::isRight(rows[r - 1], firstBlank[r - 1]->text(), secondBlank[r - 1]->text());
}

bool TwndPredl::examplesRemain() {
    ExamplesLeft = static_cast<quint8>(predl::examplesAfterPage(ExamplesLeft));
    return ExamplesLeft > 0;
}

bool TwndPredl::eventFilter(QObject* watched, QEvent* event) {
    // Backspace in an empty blank goes back to the blank before it, over
    // the hidden second blanks of one-blank rows.
    auto* field = qobject_cast<TAlignEdit*>(watched);
    if (!field || PageChecked || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Backspace || !field->text().isEmpty())
        return TTypedAnswerForm::eventFilter(watched, event);
    for (qsizetype i = ed.indexOf(field) - 1; i >= 0; --i) {
        if (ed[i]->isVisible()) {
            ed[i]->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    return TTypedAnswerForm::eventFilter(watched, event);
}

} // namespace vz
