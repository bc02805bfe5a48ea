#include "poradek_form.h"

#include "../../app/cursors.h"
#include "../../controls/fonts.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"
#include "poradek_words.h"

#include <QFontMetrics>

namespace vz {
namespace {

constexpr int kMarkLeft = 576;
const QRect kCoverRect(14, 278, 617, 178);

int rowTop(int r) {
    return 106 + 36 * (r - 1);
}

int textWidth(const QString& text, int pixelSize) {
    return QFontMetrics(screenFont(pixelSize)).horizontalAdvance(text);
}

void colourWord(QLabel* word, const QColor& colour) {
    QPalette colours = word->palette();
    colours.setColor(QPalette::WindowText, colour);
    word->setPalette(colours);
}

QColor colourOf(const QLabel* word) {
    return word->palette().color(QPalette::WindowText);
}

} // namespace

TwndPoradek::TwndPoradek(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndPoradek"));
    for (int r = 1; r <= kRows; ++r)
        addMark(r, kMarkLeft, 100 + 36 * (r - 1));
    zakryti = coverPanel(this, kCoverRect);
}

void TwndPoradek::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TwndPoradek::countPage() {
    PageSize = poradek::pageSize(ExamplesLeft);
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize == 5 && !zakryti->isVisible())
        showCover(zakryti, Background, kCoverRect.topLeft() - QPoint(1, 0));
}

void TwndPoradek::DealPage() {
    if (Dragging)
        endSwap(-1);
    ExampleDrawer drawer(LoadGameSection(), 1, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= kRows; ++r) {
        if (r <= PageSize)
            buildRow(r, drawer.lines()[drawn[r - 1]].mid(1)); // after the drawer's "#"
        else
            clearRow(r);
    }
    if (zakryti->isVisible())
        zakryti->raise();
}

void TwndPoradek::clearRow(int r) {
    for (TDragLabel* word : std::as_const(wordPool[r - 1]))
        word->hide();
    wordLabels[r - 1].clear();
    orders[r - 1] = poradek::WordOrder();
}

TDragLabel* TwndPoradek::wordTile(int r, int i) {
    QVector<TDragLabel*>& pool = wordPool[r - 1];
    if (i < pool.size())
        return pool[i];
    auto* word = new TDragLabel(this, r, i);
    word->setObjectName(QStringLiteral("Word%1_%2").arg(r).arg(i));
    connect(word, &TDragLabel::pressed, this, &TwndPoradek::WordMouseDown);
    connect(word, &TDragLabel::moved, this, &TwndPoradek::WordMouseMove);
    connect(word, &TDragLabel::released, this, &TwndPoradek::WordMouseUp);
    connect(word, &TDragLabel::swapCancelled, this, [this] {
        if (Dragging)
            endSwap(-1);
    });
    pool << word;
    return word;
}

void TwndPoradek::buildRow(int r, const QString& line) {
    clearRow(r);
    const OrderSentence sentence = poradek::parseExample(line);
    poradek::WordOrder& order = orders[r - 1];
    order = poradek::WordOrder(sentence);
    fontSizes[r - 1] = poradek::fittingSize(sentence.words, textWidth);
    order.scramble(rng());
    const QFont font = screenFont(fontSizes[r - 1]);
    for (int i = 0; i < order.size(); ++i) {
        TDragLabel* word = wordTile(r, i);
        if (word->font() != font)
            word->setFont(font);
        word->setText(order.words()[i]);
        const bool movable = !order.isFixed(i);
        word->setCursor(programCursor(movable ? kHandCursor : kArrowCursor));
        colourWord(word, movable ? kMovable : kFixed);
        wordLabels[r - 1] << word;
    }
    layoutRow(r);
    for (TDragLabel* word : wordLabels[r - 1])
        word->show();
}

void TwndPoradek::layoutRow(int r) {
    const poradek::WordOrder& order = orders[r - 1];
    const int size = fontSizes[r - 1];
    const QVector<int> lefts = poradek::wordLefts(order.words(), size, textWidth);
    for (int i = 0; i < order.size(); ++i) {
        TDragLabel* word = wordLabels[r - 1][i];
        word->setText(order.words()[i]);
        word->setGeometry(lefts[i], rowTop(r), textWidth(order.words()[i], size), 20);
    }
}

int TwndPoradek::findTarget(QPoint at) const {
    QVector<QRect> rects;
    for (const TDragLabel* word : wordLabels[DragRow - 1])
        rects << word->geometry();
    return poradek::dropTarget(rects, orders[DragRow - 1], DragSource, at);
}

void TwndPoradek::WordMouseDown(int r, int tag) {
    if (!answersActive || PageChecked || Dragging || orders[r - 1].isFixed(tag))
        return;
    Dragging = true;
    DragRow = r;
    DragSource = tag;
    DropTarget = -1;
    colourWord(wordLabels[r - 1][tag], kSource);
}

void TwndPoradek::WordMouseMove(QPoint at) {
    if (!Dragging)
        return;
    const int found = findTarget(at);
    if (found < 0)
        return; // the last word passed stays marked until another is found
    const QVector<TDragLabel*>& row = wordLabels[DragRow - 1];
    if (DropTarget >= 0 && DropTarget != found)
        colourWord(row[DropTarget], kMovable);
    DropTarget = found;
    colourWord(row[found], kDropTarget);
}

void TwndPoradek::WordMouseUp(QPoint at) {
    if (Dragging)
        endSwap(findTarget(at));
}

void TwndPoradek::endSwap(int target) {
    const int r = DragRow;
    const QVector<TDragLabel*>& row = wordLabels[r - 1];
    if (target >= 0) {
        colourWord(row[DragSource], kMovable);
        colourWord(row[target], kMovable);
        orders[r - 1].swap(DragSource, target);
    } else {
        for (TDragLabel* word : row) {
            if (colourOf(word) != kFixed)
                colourWord(word, kMovable);
        }
    }
    Dragging = false;
    DragSource = -1;
    DropTarget = -1;
    layoutRow(r);
}

void TwndPoradek::setAnswersActive(bool active) {
    answersActive = active;
    if (!active && Dragging)
        endSwap(-1);
    for (int r = 1; r <= kRows; ++r) {
        for (TDragLabel* word : wordLabels[r - 1]) {
            word->cancelSwap();
            const bool movable = active && !orders[r - 1].isFixed(word->Tag);
            word->setCursor(programCursor(movable ? kHandCursor : kArrowCursor));
            colourWord(word, movable ? kMovable : kFixed);
        }
    }
}

} // namespace vz
