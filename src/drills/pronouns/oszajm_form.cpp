#include "oszajm_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../app/stage_image.h"
#include "../../controls/align_edit.h"
#include "../../controls/drawing_tools.h"
#include "../../controls/ext_image.h"
#include "../../controls/letter_buttons.h"
#include "../../controls/text_buttons.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../screens/hint_windows.h"
#include "../../screens/windows.h"
#include "../../store/section_reader.h"

#include <QPainter>

namespace vz {
namespace {

constexpr int kSentenceLeft = 34;
constexpr int kSentenceWidth = 437;
constexpr int kWordGap = 4;

int rowTop(int r) {
    return 95 + 33 * (r - 1);
}

} // namespace

TwndOsZajm::TwndOsZajm(QWidget* stage) : TTypedAnswerForm(stage) {
    setObjectName(QStringLiteral("wndOsZajm"));
    edCaret->move(24, 80);
    switchYes = loadPicture(resourceFile(QStringLiteral("bmp\\s_ano.bmp")));
    switchNo = loadPicture(resourceFile(QStringLiteral("bmp\\s_ne.bmp")));
    for (int r = 1; r <= kRows; ++r) {
        auto* toggle = new TExtImage(this);
        toggle->setObjectName(QStringLiteral("Prep%1").arg(r));
        toggle->setGeometry(485, 91 + 33 * (r - 1), 38, 31);
        connect(toggle, &TExtImage::mousePressed, this, [this, r] { PrepinacMouseDown(r); });
        Prep[r - 1] = toggle;
        addField(r, QRect(536, rowTop(r), 46, 20))
            ->setObjectName(QStringLiteral("Skupina%1").arg(r));
        addMark(r, 600, 90 + 33 * (r - 1));
    }
    tools = new TDrawingTools(this, QPoint(148, 421), QPoint(393, 421));
    connect(tools, &TDrawingTools::toolChosen, this, [this] { updateCursors(); });
    zakryti = coverPanel(this, QRect(17, 255, 617, 165));
}

void TwndOsZajm::StartExercise() {
    prepareBackground();
    letters->drawInto(Background);
    cleanBackground = Background;
    countPage();
    DealPage();
}

void TwndOsZajm::DealNextPage() {
    countPage();
    DealPage();
}

void TwndOsZajm::countPage() {
    PageSize = ExamplesLeft < 10 ? 5 : 10;
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize == 5)
        showCover(zakryti, Background, QPoint(16, 255));
}

void TwndOsZajm::DealPage() {
    Background = cleanBackground; // the underlines of the page before go
    const QStringList section = LoadGameSection();
    ExampleDrawer drawer(section, 1, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= kRows; ++r) {
        const bool shown = r <= PageSize;
        rows[r - 1] = shown ? oszajm::parseLine(section[drawn[r - 1]]) : ErrorRow{};
        buildRow(r);
        switches[r - 1] = ErrorSwitch::Unset;
        Prep[r - 1]->clearPicture();
        Prep[r - 1]->setVisible(shown);
    }
    openFields(PageSize);
    setAnswersActive(true);
    update();
}

void TwndOsZajm::buildRow(int r) {
    QVector<TWordLabel*>& pool = wordPool[r - 1];
    labels[r - 1].clear();
    Tag[r - 1].clear();
    shownTokens[r - 1] = oszajm::tokens(rows[r - 1].sentence);
    const QVector<SentenceToken>& tokens = shownTokens[r - 1];
    QString written;
    for (const SentenceToken& token : tokens)
        written += token.caption;
    // The font shrinks while the words and the gaps between them are wider
    // than the row.
    const int gaps = kWordGap * qMax(0, int(tokens.size()) - 1);
    const int size = fittingFontSize(written, kSentenceWidth - gaps + 1);
    int right = kSentenceLeft;
    for (int k = 0; k < tokens.size(); ++k) {
        if (k == pool.size()) {
            auto* made = new TWordLabel(this);
            made->setObjectName(QStringLiteral("word%1_%2").arg(r).arg(k + 1));
            QPalette black = made->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            made->setPalette(black);
            connect(made, &TWordLabel::clicked, this, [this, r, k] { LabelClick(r, k); });
            pool << made;
        }
        TWordLabel* word = pool[k];
        const bool mark = tokens[k].punctuation;
        word->setGeometry(k == 0 || mark ? right : right + kWordGap, rowTop(r), 0, 20);
        setFittedText(word, tokens[k].caption, size);
        right = word->x() + word->width();
        word->show();
        labels[r - 1] << word;
        Tag[r - 1] << (mark ? -1 : 0);
    }
    for (int k = int(tokens.size()); k < pool.size(); ++k)
        pool[k]->hide();
}

void TwndOsZajm::PrepinacMouseDown(int r) {
    if (PageChecked)
        return;
    // The first click always says yes; later clicks turn it over.
    const bool yes = switches[r - 1] != ErrorSwitch::Yes;
    switches[r - 1] = yes ? ErrorSwitch::Yes : ErrorSwitch::No;
    Prep[r - 1]->setPicture(yes ? switchYes : switchNo);
    ed[r - 1]->setFocus(Qt::MouseFocusReason);
}

void TwndOsZajm::LabelClick(int r, int k) {
    const TDrawingTools::Tool tool = tools->tool();
    if (PageChecked || tool == TDrawingTools::None || Tag[r - 1][k] < 0)
        return;
    if (tool == TDrawingTools::Pencil && ed[r - 1]->text().isEmpty())
        ed[r - 1]->setFocus(Qt::MouseFocusReason);
    else
        edCaret->setFocus(Qt::OtherFocusReason);
    const bool pencil = tool == TDrawingTools::Pencil;
    Tag[r - 1][k] = pencil ? 1 : 0;
    drawUnderline(labels[r - 1][k], pencil);
}

void TwndOsZajm::drawUnderline(const QWidget* word, bool on) {
    const QRect line(word->x(), word->y() + word->height() - 2, word->width(), 2);
    QPainter painter(&Background);
    if (on)
        painter.fillRect(line, Qt::red);
    else // the eraser gives back the picture that lay under the line
        painter.drawImage(QRectF(line), cleanBackground, deviceRect(cleanBackground, line));
    update(line);
}

void TwndOsZajm::updateCursors() {
    const bool clickable = !PageChecked && tools->tool() != TDrawingTools::None;
    for (int r = 1; r <= kRows; ++r) {
        for (int k = 0; k < labels[r - 1].size(); ++k) {
            const bool word = Tag[r - 1][k] >= 0;
            labels[r - 1][k]->setCursor(
                programCursor(clickable && word ? kHandCursor : kArrowCursor));
        }
    }
}

void TwndOsZajm::setAnswersActive(bool active) {
    TTypedAnswerForm::setAnswersActive(active);
    tools->setEnabled(active);
    for (TExtImage* toggle : Prep)
        toggle->setCursor(programCursor(active ? kHandCursor : kArrowCursor));
    updateCursors();
}

bool TwndOsZajm::judgeRow(int r) {
    QVector<bool> underlined;
    for (int tag : Tag[r - 1])
        underlined << (tag == 1);
    return oszajm::isRight(rows[r - 1], switches[r - 1], underlined, answerText(r));
}

QString TwndOsZajm::correctAnswer(int r) const {
    const QString second = oszajm::answerSecondLine(rows[r - 1]);
    return oszajm::answerFirstLine(rows[r - 1]) +
           (second.isEmpty() ? QString() : QLatin1Char('\n') + second);
}

void TwndOsZajm::showAnswer(int r, const TExtImage* mark) {
    if (!rows[r - 1].hasError) {
        TTypedAnswerForm::showAnswer(r, mark);
        return;
    }
    wndHint2->UpText->setText(oszajm::answerFirstLine(rows[r - 1]));
    wndHint2->UpText->adjustSize();
    wndHint2->DownText->setText(oszajm::answerSecondLine(rows[r - 1]));
    wndHint2->DownText->adjustSize();
    showHintBeside(wndHint2, mark,
                   qMax(wndHint2->UpText->width(), wndHint2->DownText->width()) + 30);
}

void TwndOsZajm::hideAnswer() {
    wndHint->hide();
    wndHint2->hide();
}

} // namespace vz
