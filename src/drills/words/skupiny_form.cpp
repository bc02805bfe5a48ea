#include "skupiny_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../controls/drawing_tools.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../controls/text_buttons.h"
#include "../../exercise/row_layout.h"
#include "../../screens/hint_windows.h"
#include "../../screens/option_popups.h"
#include "../../screens/windows.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>

namespace vz {
namespace {

constexpr int kLeft = 83;
constexpr int kSentenceWidth = 477;

int wordTop(int r) {
    return 120 + 60 * (r - 1);
}
int sentenceTop(int r) {
    return 141 + 60 * (r - 1);
}

} // namespace

TwndSkupiny::TwndSkupiny(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndSkupiny"));
    constexpr std::array<int, 5> markTops{126, 185, 245, 305, 365};
    for (int r = 1; r <= kRows; ++r) {
        for (int k = 1; k <= 4; ++k) {
            auto* word = new TWordLabel(this);
            word->setObjectName(QStringLiteral("word%1_%2").arg(r).arg(k));
            word->setGeometry(kLeft, wordTop(r), 0, 20);
            word->setCursor(programCursor(kArrowCursor));
            word->hide();
            connect(word, &TWordLabel::clicked, this, [this, r, k] { LabelClick(r, k); });
            words[r - 1][k - 1] = word;
            if (k < 4)
                commas[r - 1][k - 1] = rowLabel(this, QRect(0, wordTop(r), 0, 20));
        }
        auto* line = new QWidget(this);
        line->setAutoFillBackground(true);
        QPalette red = line->palette();
        red.setColor(QPalette::Window, QColor(220, 0, 0));
        line->setPalette(red);
        line->hide();
        Skrt[r - 1] = line;
        lbBefore[r - 1] = rowLabel(this, QRect(kLeft, sentenceTop(r), 0, 20));
        edSlovo[r - 1] = new TGapLabel(this, r);
        edSlovo[r - 1]->setObjectName(QStringLiteral("edSlovo%1").arg(r));
        connect(edSlovo[r - 1], &TGapLabel::pressed, this, &TwndSkupiny::MoznostiDown);
        lbAfter[r - 1] = rowLabel(this, QRect(0, sentenceTop(r), 0, 20));
        addMark(r, 576, markTops[r - 1]);
    }
    tools = new TDrawingTools(this, QPoint(180, 421), QPoint(361, 421));
    connect(tools, &TDrawingTools::toolChosen, this, [this] { updateCursors(); });
    moznosti = new TwndMoznosti(this);
    connect(moznosti, &TwndMoznosti::itemChosen, this, [this](int r, const QString& text) {
        if (r >= 1 && r <= kRows)
            edSlovo[r - 1]->setText(text);
    });
}

void TwndSkupiny::StartExercise() {
    prepareBackground();
    PageSize = kRows;
    DealPage();
}

bool TwndSkupiny::examplesRemain() {
    ExamplesLeft = ExamplesLeft > kRows ? ExamplesLeft - kRows : 0;
    return ExamplesLeft > 0;
}

void TwndSkupiny::DealPage() {
    PageExamples->Clear();
    const QVector<OddRow> dealt =
        skupiny::dealPage(LoadGameSection(), PageSize, *UsedExamples, *PageExamples, rng(),
                          gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= kRows; ++r) {
        rows[r - 1] = dealt[r - 1];
        layoutRow(r);
    }
    tools->setEnabled(true);
    updateCursors();
}

void TwndSkupiny::layoutRow(int r) {
    const OddRow& row = rows[r - 1];
    Skrt[r - 1]->hide();
    CrossedIndex[r - 1] = 0;
    int left = kLeft;
    int widest = 0;
    for (int k = 1; k <= 4; ++k) {
        TWordLabel* word = words[r - 1][k - 1];
        setFittedText(word, row.words[k - 1], 16);
        word->move(left, wordTop(r));
        word->show();
        widest = qMax(widest, word->width());
        left += word->width();
        if (k < 4) {
            QLabel* comma = commas[r - 1][k - 1];
            setFittedText(comma, QStringLiteral(","), 16);
            comma->move(left, wordTop(r));
            left += comma->width() + 4;
        }
    }
    const int gapWidth = widest + 8;
    const int size = fittingFontSize(row.textBefore + row.textAfter, kSentenceWidth - 8 - gapWidth);
    setFittedText(lbBefore[r - 1], row.textBefore, size);
    edSlovo[r - 1]->clear();
    edSlovo[r - 1]->setGeometry(lbBefore[r - 1]->x() + lbBefore[r - 1]->width() + 4, sentenceTop(r),
                                gapWidth, 20);
    setFittedText(lbAfter[r - 1], row.textAfter, size);
    lbAfter[r - 1]->move(edSlovo[r - 1]->x() + gapWidth + 4, sentenceTop(r));
    showSentence(r, false);
}

void TwndSkupiny::showSentence(int r, bool shown) {
    lbBefore[r - 1]->setVisible(shown);
    edSlovo[r - 1]->setVisible(shown);
    lbAfter[r - 1]->setVisible(shown);
    if (!shown)
        edSlovo[r - 1]->clear();
}

void TwndSkupiny::updateCursors() {
    const bool open = !PageChecked;
    for (int r = 1; r <= kRows; ++r) {
        for (int k = 1; k <= 4; ++k) {
            const bool isCrossed = CrossedIndex[r - 1] == k;
            const bool clickable =
                open && ((tools->tool() == TDrawingTools::Pencil && !isCrossed) ||
                         (tools->tool() == TDrawingTools::Eraser && isCrossed));
            words[r - 1][k - 1]->setCursor(programCursor(clickable ? kHandCursor : kArrowCursor));
        }
        edSlovo[r - 1]->setCursor(programCursor(open ? kHandCursor : kArrowCursor));
    }
}

void TwndSkupiny::LabelClick(int r, int k) {
    const TDrawingTools::Tool tool = tools->tool();
    const bool isCrossed = CrossedIndex[r - 1] == k;
    if (PageChecked || tool == TDrawingTools::None ||
        (tool == TDrawingTools::Pencil && isCrossed) ||
        (tool == TDrawingTools::Eraser && !isCrossed))
        return;
    if (tool == TDrawingTools::Pencil) {
        // A second cross in the row moves the line; the sentence starts again.
        const TWordLabel* word = words[r - 1][k - 1];
        Skrt[r - 1]->setGeometry(word->x(), word->y() + 10, word->width(), 2);
        Skrt[r - 1]->show();
        Skrt[r - 1]->raise();
        CrossedIndex[r - 1] = k;
        showSentence(r, false);
        showSentence(r, true);
    } else {
        Skrt[r - 1]->hide();
        CrossedIndex[r - 1] = 0;
        showSentence(r, false);
    }
    updateCursors();
}

void TwndSkupiny::MoznostiDown(int r) {
    if (PageChecked || CrossedIndex[r - 1] == 0)
        return;
    const TGapLabel* gap = edSlovo[r - 1];
    moznosti->resize(gap->width(), moznosti->height());
    moznosti->Row = r;
    QStringList remaining;
    for (int k = 1; k <= 4; ++k) {
        if (k != CrossedIndex[r - 1])
            remaining << rows[r - 1].words[k - 1];
    }
    moznosti->setItems(remaining);
    const int top = gap->y() + moznosti->height() > height() ? gap->y() - moznosti->height()
                                                             : gap->y() + gap->height();
    moznosti->move(gap->x(), top);
    moznosti->show();
    moznosti->raise();
}

bool TwndSkupiny::judgeRow(int r) {
    const int k = CrossedIndex[r - 1];
    const QString crossedWord = k ? rows[r - 1].words[k - 1] : QString();
    return skupiny::isRight(rows[r - 1], crossedWord, edSlovo[r - 1]->text());
}

QString TwndSkupiny::correctAnswer(int r) const {
    return skupiny::answerFirstLine(rows[r - 1]) + QLatin1Char('\n') +
           skupiny::answerSecondLine(rows[r - 1]);
}

void TwndSkupiny::showAnswer(int r, const TExtImage* mark) {
    wndHint2->UpText->setText(skupiny::answerFirstLine(rows[r - 1]));
    wndHint2->UpText->adjustSize();
    wndHint2->DownText->setText(skupiny::answerSecondLine(rows[r - 1]));
    wndHint2->DownText->adjustSize();
    showHintBeside(wndHint2, mark,
                   qMax(wndHint2->UpText->width(), wndHint2->DownText->width()) + 30);
}

void TwndSkupiny::hideAnswer() {
    wndHint2->hide();
}

void TwndSkupiny::setAnswersActive(bool active) {
    tools->setEnabled(active);
    updateCursors();
}

} // namespace vz
