#include "cisl_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../controls/drag_token.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

namespace vz {
namespace {

// The prompts sit a little lower from row 8 on, where the background leaves more room.
constexpr std::array<int, TwndCisl::kRows> kPromptTops{122, 154, 186, 218, 250,
                                                       282, 314, 348, 380, 411};
constexpr int kTileWidth = 230;

} // namespace

TwndCisl::TwndCisl(QWidget* stage)
    : TExerciseForm(stage), column(QRect(326, 123, kTileWidth, 20), 32) {
    setObjectName(QStringLiteral("wndCisl"));
    for (int r = 1; r <= kRows; ++r) {
        QLabel* prompt = rowLabel(this, QRect(105, kPromptTops[r - 1], 200, 20), Qt::AlignCenter);
        prompt->setObjectName(QStringLiteral("Label%1").arg(2 * r - 1));
        prompts[r - 1] = prompt;
        addMark(r, 575, 118 + 32 * (r - 1));
        auto* tile = new TDragToken(this, kTileWidth, 20);
        tile->setObjectName(QStringLiteral("Oval%1").arg(r));
        tile->Home = column.home(r).topLeft();
        tile->move(tile->Home);
        connect(tile, &TDragToken::dropped, this, [this, r](QPoint at) { OvalMouseUp(r, at); });
        tiles[r - 1] = tile;
    }
}

void TwndCisl::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TwndCisl::DealNextPage() {
    countPage();
    DealPage();
}

void TwndCisl::countPage() {
    PageSize = cisl::pageSize(ExamplesLeft);
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize < kRows) {
        // A five-row page has its own background without the lower rows.
        Background = loadPicture(resourceFile(QStringLiteral("bmp\\bg_06a_5.bmp")));
        prepareBackground();
        update();
    }
}

void TwndCisl::DealPage() {
    for (TDragToken* tile : tiles)
        tile->cancelDrag();
    PageExamples->Clear();
    dealt = cisl::dealPage(LoadGameSection(), PageSize, *UsedExamples, *PageExamples, rng(),
                           gameSectionHeader(GameGroup, GameLetter));
    column.deal(dealt.tiles);
    for (int r = 1; r <= kRows; ++r) {
        const bool shown = r <= PageSize;
        if (shown) {
            const QString& prompt = dealt.examples[r - 1].prompt;
            prompts[r - 1]->setFont(screenFont(fittingFontSize(prompt, 200)));
            prompts[r - 1]->setText(prompt);
            // Each tile gets the size its first text fits and keeps it for the page.
            tiles[r - 1]->setFont(screenFont(fittingFontSize(column.text(r), kTileWidth)));
        }
        prompts[r - 1]->setVisible(shown);
        tiles[r - 1]->VisibleAtHome = shown;
        tiles[r - 1]->setVisible(shown);
        Vyhodn[r - 1]->setVisible(shown);
    }
    showTileTexts();
    setAnswersActive(true);
}

void TwndCisl::showTileTexts() {
    for (int r = 1; r <= kRows; ++r)
        tiles[r - 1]->setText(column.text(r));
}

void TwndCisl::OvalMouseUp(int tile, QPoint at) {
    if (PageChecked)
        return;
    if (column.drop(tile, at))
        showTileTexts();
}

bool TwndCisl::judgeRow(int row) {
    return cisl::isRight(dealt, row, column.text(row));
}

QString TwndCisl::correctAnswer(int row) const {
    return dealt.examples.value(row - 1).answer;
}

void TwndCisl::setAnswersActive(bool active) {
    for (TDragToken* tile : tiles)
        tile->setLocked(!active);
}

} // namespace vz
