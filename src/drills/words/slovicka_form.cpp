#include "slovicka_form.h"

#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

namespace vz {
namespace {

constexpr std::array<int, TwndSlovicka::kRows> kPromptTops{122, 154, 186, 218, 250,
                                                           282, 314, 348, 380, 411};
constexpr std::array<int, TwndSlovicka::kRows> kSlotTops{119, 151, 183, 215, 247,
                                                         279, 311, 344, 376, 407};
constexpr int kPromptLeft = 39;
constexpr int kPromptWidth = 172;
constexpr int kSlotLeft = 216;
constexpr int kSlotWidth = 178;
constexpr int kSlotHeight = 31;
constexpr int kMarkLeft = 402;
constexpr int kTileLeft = 441;
constexpr int kTileWidth = 160;
constexpr int kTileHeight = 20;
constexpr int kFiveRows = 5;

} // namespace

TwndSlovicka::TwndSlovicka(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndSlovicka"));
    for (int r = 1; r <= kRows; ++r) {
        QLabel* prompt = rowLabel(this, QRect(kPromptLeft, kPromptTops[r - 1], kPromptWidth, 20),
                                  Qt::AlignCenter);
        prompt->setObjectName(QStringLiteral("Label%1").arg(2 * r - 1));
        QPalette navy = prompt->palette();
        navy.setColor(QPalette::WindowText, QColor(0x14, 0x3F, 0x66));
        prompt->setPalette(navy);
        lbPrompt[r - 1] = prompt;
        QLabel* slot = rowLabel(this, QRect(kSlotLeft, kSlotTops[r - 1], kSlotWidth, kSlotHeight));
        slot->setObjectName(QStringLiteral("Label%1").arg(2 * r));
        lbSlot[r - 1] = slot;
        addMark(r, kMarkLeft, 118 + 32 * (r - 1));
    }
    for (int k = 1; k <= kRows; ++k) {
        auto* tile = new TMujPanel(this, kTileWidth, kTileHeight);
        tile->setObjectName(QStringLiteral("Tile%1").arg(k));
        tile->HomeLeft = kTileLeft;
        tile->HomeTop = 123 + 32 * (k - 1);
        tile->Home = QPoint(tile->HomeLeft, tile->HomeTop);
        tile->move(tile->Home);
        connect(tile, &TDragToken::dropped, this, [this, k](QPoint at) { TileMouseUp(k, at); });
        Tiles[k - 1] = tile;
    }
}

void TwndSlovicka::StartExercise() {
    prepareBackground();
    VocabList = slovicka::joinTopics(DataList, gameSectionHeader(GameGroup, GameLetter), Topics);
    countPage();
    DealPage();
}

void TwndSlovicka::DealNextPage() {
    slovicka::retireDrawn(VocabList);
    countPage();
    DealPage();
}

// Ten rows while ten examples are left, else the last page of five, on its
// own background; counted as the page is dealt.
void TwndSlovicka::countPage() {
    PageSize = ExamplesLeft >= kRows ? kRows : kFiveRows;
    ExamplesLeft = quint8(ExamplesLeft - qMin<int>(PageSize, ExamplesLeft));
    if (PageSize == kFiveRows) {
        Background = loadPicture(resourceFile(QStringLiteral("bmp\\bg_07e_5.bmp")));
        prepareBackground();
    }
    for (int r = 1; r <= kRows; ++r) {
        const bool shown = r <= PageSize;
        lbPrompt[r - 1]->setVisible(shown);
        lbSlot[r - 1]->setVisible(shown);
        Vyhodn[r - 1]->setVisible(shown);
    }
    update();
}

void TwndSlovicka::DealPage() {
    for (TMujPanel* tile : Tiles)
        tile->cancelDrag();
    const QString header = gameSectionHeader(GameGroup, GameLetter);
    const QVector<int> drawn =
        slovicka::drawPage(VocabList, PageSize, *UsedExamples, *PageExamples, rng(),
                           slovicka::topicHeader(header, Topics.join(QStringLiteral(", "))));
    QStringList answers;
    for (int r = 1; r <= PageSize; ++r) {
        examples[r - 1] = *slovicka::parsePair(VocabList[drawn[r - 1]].mid(1));
        QLabel* prompt = lbPrompt[r - 1];
        prompt->setFont(screenFont(fittingFontSize(examples[r - 1].prompt, kPromptWidth)));
        prompt->setText(examples[r - 1].prompt);
        prompt->show();
        answers << examples[r - 1].answer;
    }
    placed.clear();
    tileWords = slovicka::shuffled(answers, rng());
    for (int k = 1; k <= kRows; ++k) {
        TMujPanel* tile = Tiles[k - 1];
        const bool shown = k <= PageSize;
        tile->VisibleAtHome = shown;
        if (shown) {
            const QString& word = tileWords[k - 1];
            tile->setFont(screenFont(fittingFontSize(word, kTileWidth)));
            tile->setText(word);
        }
        restTile(k);
    }
}

// A tile rests in the slot of its row, else at its place in the column.
void TwndSlovicka::restTile(int k) {
    TMujPanel* tile = Tiles[k - 1];
    const int row = placed.rowOf(k);
    tile->Placed = row != 0;
    tile->Home =
        row == 0 ? QPoint(tile->HomeLeft, tile->HomeTop) : lbSlot[row - 1]->pos() + QPoint(8, 5);
    tile->move(tile->Home);
    tile->setVisible(tile->VisibleAtHome);
}

void TwndSlovicka::TileMouseUp(int k, QPoint at) {
    if (PageChecked)
        return;
    QVector<QRect> slotRects;
    for (const QLabel* slot : lbSlot)
        slotRects << slot->geometry();
    const int displaced = placed.place(k, slovicka::slotAt(slotRects, PageSize, at));
    if (displaced != 0)
        restTile(displaced);
    restTile(k);
}

bool TwndSlovicka::judgeRow(int row) {
    const int tile = placed.tileOn(row);
    return tile != 0 && tileWords.value(tile - 1) == examples[row - 1].answer;
}

void TwndSlovicka::setAnswersActive(bool active) {
    for (TMujPanel* tile : Tiles)
        tile->setLocked(!active);
}

} // namespace vz
