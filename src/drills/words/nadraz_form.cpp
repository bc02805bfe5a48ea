#include "nadraz_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../controls/drag_token.h"
#include "../../controls/fonts.h"
#include "../../controls/text_buttons.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>

namespace vz {
namespace {

constexpr int kDropLeft = 191;
constexpr int kDropWidth = 394;
constexpr int kChipWidth = 149;
constexpr std::array<int, TwndNadraz::kRows> kRowTops{117, 150, 182, 213, 245, 277};
constexpr std::array<QPoint, TwndNadraz::kChips> kHomes{
    QPoint(52, 332),  QPoint(216, 332), QPoint(380, 332), QPoint(73, 365),
    QPoint(237, 365), QPoint(401, 365), QPoint(93, 398),  QPoint(257, 398),
    QPoint(421, 398), QPoint(113, 431), QPoint(277, 431), QPoint(441, 431)};

int textWidth(const QString& text, int pixelSize) {
    return QFontMetrics(screenFont(pixelSize)).horizontalAdvance(text);
}

void colourText(QLabel* label, const QColor& colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

} // namespace

TwndNadraz::TwndNadraz(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndNadraz"));
    for (int r = 1; r <= kRows; ++r) {
        const int top = kRowTops[r - 1];
        QLabel* group = rowLabel(this, QRect(57, top, 126, 20), Qt::AlignCenter);
        group->setObjectName(QStringLiteral("lbVzor%1").arg(r));
        colourText(group, Qt::white);
        lbVzor[r - 1] = group;
        QLabel* drop = rowLabel(this, QRect(kDropLeft, top, kDropWidth, 20));
        drop->setObjectName(QStringLiteral("lbDrop%1").arg(r));
        lbDrop[r - 1] = drop;
        for (int k = 0; k < kChips; ++k) {
            auto* word = new TWordLabel(this);
            word->setObjectName(QStringLiteral("PlacedWord%1_%2").arg(r).arg(k + 1));
            word->setGeometry(kDropLeft, top, 0, 20);
            colourText(word, Qt::black);
            word->hide();
            connect(word, &TWordLabel::clicked, this, [this, r, k] { PlacedWordClick(r, k); });
            PlacedWords[r - 1][k] = word;
        }
        addMark(r, 598, 111 + 32 * (r - 1));
    }
    for (int chip = 1; chip <= kChips; ++chip) {
        auto* token = new TDragToken(this, kChipWidth, 20);
        token->setObjectName(QStringLiteral("Oval%1").arg(chip));
        token->Home = kHomes[chip - 1];
        token->move(token->Home);
        connect(token, &TDragToken::dropped, this,
                [this, chip](QPoint at) { OvalMouseUp(chip, at); });
        Oval[chip - 1] = token;
    }
}

void TwndNadraz::StartExercise() {
    prepareBackground();
    content = nadraz::readContent(DataList, gameSectionHeader(GameGroup, GameLetter));
    shown = nadraz::ShownWords(content.groups.size());
    PageSize = kRows;
    DealPage();
}

bool TwndNadraz::examplesRemain() {
    ExamplesLeft = ExamplesLeft > kChips ? ExamplesLeft - kChips : 0;
    return ExamplesLeft > 0;
}

QStringList TwndNadraz::placedWords(int r) const {
    QStringList words;
    for (int chip : placed.chipsIn(r))
        words << dealt.chips[chip - 1].word;
    return words;
}

void TwndNadraz::DealPage() {
    for (TDragToken* token : Oval)
        token->cancelDrag();
    PageExamples->Clear(); // the drill keeps its own record of the words shown
    dealt = nadraz::dealPage(content, shown, rng(), gameSectionHeader(GameGroup, GameLetter));
    placed.clear();
    pageCounted = false;
    for (int r = 1; r <= kRows; ++r) {
        const QString group = content.groups[dealt.groups[r - 1]];
        lbVzor[r - 1]->setFont(screenFont(fittingFontSize(group, lbVzor[r - 1]->width())));
        lbVzor[r - 1]->setText(group);
        layoutRow(r);
    }
    for (int chip = 1; chip <= kChips; ++chip) {
        TDragToken* token = Oval[chip - 1];
        const QString word = dealt.chips[chip - 1].word;
        token->setFont(screenFont(fittingFontSize(word, kChipWidth - 8)));
        token->setText(word);
        returnToPool(chip);
    }
}

void TwndNadraz::returnToPool(int chip) {
    TDragToken* token = Oval[chip - 1];
    token->VisibleAtHome = true;
    token->move(token->Home);
    token->show();
}

nadraz::WordsLayout TwndNadraz::rowLayout(const QStringList& words) const {
    return nadraz::layoutWords(words, kDropLeft, kDropWidth, textWidth);
}

void TwndNadraz::layoutRow(int r) {
    const QStringList words = placedWords(r);
    const nadraz::WordsLayout layout = rowLayout(words);
    const QCursor cursor = programCursor(answersActive ? kHandCursor : kArrowCursor);
    for (int k = 0; k < kChips; ++k) {
        TWordLabel* label = PlacedWords[r - 1][k];
        if (k >= words.size()) {
            label->hide();
            label->clear();
            continue;
        }
        setFittedText(label, layout.captions[k], layout.size);
        label->move(layout.lefts[k], kRowTops[r - 1]);
        label->setCursor(cursor);
        label->show();
    }
}

void TwndNadraz::OvalMouseUp(int chip, QPoint at) {
    if (PageChecked)
        return;
    std::array<QRect, kRows> areas;
    for (int r = 1; r <= kRows; ++r)
        areas[r - 1] = lbDrop[r - 1]->geometry();
    const int r = nadraz::dropRow(areas, at);
    // Outside every area, or on a row that cannot show one word more, the
    // chip stays in the pool.
    if (r == 0 || !rowLayout(placedWords(r) << dealt.chips[chip - 1].word).fits)
        return;
    placed.place(r, chip);
    Oval[chip - 1]->VisibleAtHome = false;
    Oval[chip - 1]->hide();
    layoutRow(r);
}

void TwndNadraz::PlacedWordClick(int r, int position) {
    if (PageChecked)
        return;
    const int chip = placed.take(r, position);
    if (chip == 0)
        return;
    returnToPool(chip);
    layoutRow(r);
}

bool TwndNadraz::judgeRow(int r) {
    if (!pageCounted) {
        // Chips left in the pool (or still held) are wrong answers; the
        // page's words are not dealt again in this game.
        pageCounted = true;
        WrongCount = quint8(WrongCount + placed.pool().size());
        nadraz::markShown(dealt, shown);
    }
    const nadraz::RowVerdict verdict = nadraz::judgeRow(dealt.rowWords[r - 1], placedWords(r));
    // Every word of the page is an answer, not every row: the row's words
    // are counted here, less the one answer the frame adds for the row
    // when it gets the verdict.
    RightCount = quint8(RightCount + verdict.rightWords - (verdict.right ? 1 : 0));
    WrongCount = quint8(WrongCount + verdict.wrongWords - (verdict.right ? 0 : 1));
    return verdict.right;
}

void TwndNadraz::setAnswersActive(bool active) {
    answersActive = active;
    for (TDragToken* token : Oval)
        token->setLocked(!active);
    const QCursor cursor = programCursor(active ? kHandCursor : kArrowCursor);
    for (const auto& words : PlacedWords) {
        for (TWordLabel* word : words)
            word->setCursor(cursor);
    }
}

} // namespace vz
