#include "hod_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../controls/drag_token.h"
#include "../../controls/fonts.h"
#include "../../controls/text_buttons.h"
#include "../../store/section_reader.h"
#include "clock_face.h"

#include <QFontMetrics>

namespace vz {
namespace {

constexpr int kTileWidth = 238;
constexpr int kLabelWidth = 233;
constexpr int kRowHeight = 20;
// Clocks 1, 3 and 5 stand left of their labels, 2 and 4 right of them.
constexpr int kClockLefts[hod::kClocks] = {312, 555, 312, 555, 312};
constexpr int kClockTops[hod::kClocks] = {131, 204, 277, 350, 423};
constexpr int kMarkTops[hod::kClocks] = {117, 190, 262, 336, 408};

int fittedSize(const QString& text) {
    return hod::tileFontSize([&text](int pixelSize) {
        return QFontMetrics(screenFont(pixelSize)).horizontalAdvance(text);
    });
}

} // namespace

QPoint TwndHod::clockCentre(int k) {
    return {kClockLefts[k - 1], kClockTops[k - 1]};
}

QRect TwndHod::labelRect(int k) {
    return {k % 2 == 1 ? 354 : 282, 122 + 73 * (k - 1), kLabelWidth, kRowHeight};
}

QPoint TwndHod::tileHome(int k) {
    return {17, 112 + 35 * (k - 1)};
}

TwndHod::TwndHod(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndHod"));
    for (int k = 1; k <= hod::kClocks; ++k) {
        faces[k - 1] = new ClockFace(this, clockCentre(k));
        faces[k - 1]->setObjectName(QStringLiteral("Hodiny%1").arg(k));
        auto* label = new TWordLabel(this);
        label->setObjectName(QStringLiteral("Napis%1").arg(k));
        label->setGeometry(labelRect(k));
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(programCursor(kArrowCursor));
        connect(label, &TWordLabel::clicked, this, [this, k] { NapisClick(k); });
        Napis[k - 1] = label;
        addMark(k, 600, kMarkTops[k - 1]);
    }
    for (int k = 1; k <= hod::kTiles; ++k) {
        auto* tile = new TDragToken(this, kTileWidth, kRowHeight);
        tile->setObjectName(QStringLiteral("Oval%1").arg(k));
        tile->Home = tileHome(k);
        tile->move(tile->Home);
        connect(tile, &TDragToken::dropped, this, [this, k](QPoint at) { OvalMouseUp(k, at); });
        connect(tile, &TDragToken::dragCancelled, this, [this] { showBoard(); });
        tiles[k - 1] = tile;
    }
}

void TwndHod::StartExercise() {
    prepareBackground();
    PageSize = hod::kClocks;
    DealPage();
}

void TwndHod::DealPage() {
    cancelDrags();
    PageExamples->Clear();
    dealt = hod::dealPage(LoadGameSection(), *UsedExamples, *PageExamples, rng(),
                          gameSectionHeader(GameGroup, GameLetter));
    placed = hod::Board(dealt.tiles);
    for (int k = 1; k <= hod::kClocks; ++k)
        faces[k - 1]->setTime(clock(k).Hours, clock(k).Minutes);
    showBoard();
}

void TwndHod::showBoard() {
    for (int k = 1; k <= hod::kTiles; ++k) {
        TDragToken* tile = tiles[k - 1];
        const QString& wording = placed.tile(k);
        tile->setFont(screenFont(fittedSize(wording)));
        tile->setText(wording);
        tile->VisibleAtHome = !wording.isEmpty();
        tile->Draggable = open;
        tile->setCursor(programCursor(open ? kHandCursor : kArrowCursor));
        if (tile->isDragging())
            continue;
        tile->move(tile->Home);
        tile->setVisible(tile->VisibleAtHome);
    }
    for (int k = 1; k <= hod::kClocks; ++k) {
        TWordLabel* label = Napis[k - 1];
        const QString& wording = placed.label(k);
        label->setFont(screenFont(fittedSize(wording)));
        label->setText(wording);
        const bool clickable = open && !wording.isEmpty();
        label->setCursor(programCursor(clickable ? kHandCursor : kArrowCursor));
    }
}

void TwndHod::cancelDrags() {
    for (TDragToken* tile : tiles)
        tile->cancelDrag();
}

void TwndHod::OvalMouseUp(int tile, QPoint at) {
    if (open) {
        for (int k = 1; k <= hod::kClocks; ++k) {
            if (TDragToken::hits(Napis[k - 1]->geometry(), at)) {
                placed.drop(tile, k);
                break;
            }
        }
    }
    showBoard();
}

void TwndHod::NapisClick(int label) {
    if (!open)
        return;
    placed.giveBack(label);
    showBoard();
}

void TwndHod::setAnswersActive(bool active) {
    open = active;
    if (!active)
        cancelDrags(); // a tile held at the check goes home; its wording was not placed
    showBoard();
}

bool TwndHod::examplesRemain() {
    ExamplesLeft = ExamplesLeft > hod::kClocks ? ExamplesLeft - hod::kClocks : 0;
    return ExamplesLeft > 0;
}

} // namespace vz
