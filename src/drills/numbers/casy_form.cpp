#include "casy_form.h"

#include "../../app/globals.h"
#include "../../controls/align_edit.h"
#include "../../controls/drag_token.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../controls/labels.h"
#include "../../controls/letter_buttons.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

namespace vz {
namespace {

constexpr int kTileWidth = 292;
// A text wider than this shrinks; fittingFontSize wants the first width too wide.
constexpr int kTextLimit = 287;

} // namespace

TwndCasy::TwndCasy(QWidget* stage)
    : TTypedAnswerForm(stage), column(QRect(224, 106, kTileWidth, 20), 36) {
    setObjectName(QStringLiteral("wndCasy"));
    for (TBMPLabel* button : letters->buttons)
        button->hide(); // the notes need no German letters
    for (int r = 1; r <= kRows; ++r) {
        auto* tile = new TDragToken(this, kTileWidth, 20);
        tile->setObjectName(QStringLiteral("Oval%1").arg(r));
        tile->Home = column.home(r).topLeft();
        tile->move(tile->Home);
        tile->VisibleAtHome = true;
        connect(tile, &TDragToken::dropped, this, [this, r](QPoint at) { OvalMouseUp(r, at); });
        tiles[r - 1] = tile;
        addField(r, QRect(535, 106 + 36 * (r - 1), 48, 20));
        addMark(r, 600, 101 + 36 * (r - 1));
    }
    PageSize = kRows;
}

void TwndCasy::StartExercise() {
    prepareBackground();
    DealPage();
}

void TwndCasy::DealPage() {
    for (TDragToken* tile : tiles)
        tile->cancelDrag();
    PageExamples->Clear();
    dealt = casy::dealPage(LoadGameSection(), *UsedExamples, *PageExamples, rng(),
                           gameSectionHeader(GameGroup, GameLetter));
    column.deal(dealt.tiles);
    for (int r = 1; r <= kRows; ++r) {
        showTile(r);
        tiles[r - 1]->show();
    }
    openFields(kRows);
    setAnswersActive(true);
}

// The font follows the text, so a swap takes a text's size along with it.
void TwndCasy::showTile(int row) {
    const QString text = column.text(row);
    tiles[row - 1]->setFont(screenFont(fittingFontSize(text, kTextLimit)));
    tiles[row - 1]->setText(text);
}

void TwndCasy::OvalMouseUp(int tile, QPoint at) {
    if (PageChecked)
        return;
    const int target = column.drop(tile, at);
    if (!target)
        return;
    showTile(tile);
    showTile(target);
    TAlignEdit* from = ed[tile - 1];
    TAlignEdit* to = ed[target - 1];
    const QString note = from->text();
    from->setText(to->text());
    to->setText(note);
    // The caret goes along with its note.
    if (focusWidget() == from)
        to->setFocus(Qt::OtherFocusReason);
    else if (focusWidget() == to)
        from->setFocus(Qt::OtherFocusReason);
}

bool TwndCasy::judgeRow(int row) {
    return casy::isRight(dealt, row, column.text(row));
}

QString TwndCasy::correctAnswer(int row) const {
    return dealt.order.value(row - 1);
}

void TwndCasy::setAnswersActive(bool active) {
    TTypedAnswerForm::setAnswersActive(active);
    for (TDragToken* tile : tiles)
        tile->setLocked(!active);
}

bool TwndCasy::examplesRemain() {
    ExamplesLeft = static_cast<quint8>(casy::examplesAfterPage(ExamplesLeft));
    return ExamplesLeft > 0;
}

} // namespace vz
