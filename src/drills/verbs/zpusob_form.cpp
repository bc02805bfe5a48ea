#include "zpusob_form.h"

#include "../../app/cursors.h"
#include "../../controls/drag_token.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../controls/text_buttons.h"
#include "../../exercise/answer_text.h"
#include "../../exercise/example_drawer.h"
#include "../../screens/hint_windows.h"
#include "../../screens/option_popups.h"
#include "../../screens/windows.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace vz {
namespace {

constexpr int kTextLeft = 53;
constexpr std::array<int, zpusob::kVerbCount> kVerbLefts{41, 137, 233, 329, 425, 521};

int sentenceTop(int r) {
    return 134 + 57 * (r - 1);
}

QLabel* textLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(screenFont(16));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    return label;
}

void placeText(QLabel* label, const QString& text, int left, int top) {
    label->setText(text);
    label->setGeometry(left, top, QFontMetrics(label->font()).horizontalAdvance(text), 20);
    label->show();
}

} // namespace

TwndZpusob::TwndZpusob(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndZpusob"));
    for (int r = 1; r <= kRows; ++r) {
        Uvoz[r - 1] = textLabel(this, QStringLiteral("Uvoz%1").arg(r));
        lbPred[r - 1] = textLabel(this, QStringLiteral("Label%1").arg(2 * r - 1));
        lbZa[r - 1] = textLabel(this, QStringLiteral("Label%1").arg(2 * r));
        auto* gap = new QLabel(this); // opaque, unlike the texts around it
        gap->setObjectName(QStringLiteral("ed%1").arg(r));
        gap->setFont(screenFont(16));
        gap->setAlignment(Qt::AlignCenter);
        gap->setAutoFillBackground(true);
        QPalette colours = gap->palette();
        colours.setColor(QPalette::Window, QColor(255, 236, 182));
        colours.setColor(QPalette::WindowText, Qt::black);
        gap->setPalette(colours);
        ed[r - 1] = gap;
        addMark(r, 600, 118 + 57 * (r - 1));
    }
    for (int v = 1; v <= zpusob::kVerbCount; ++v) {
        auto* verb = new TWordLabel(this);
        verb->setObjectName(QStringLiteral("lb%1").arg(v));
        verb->setAlignment(Qt::AlignCenter);
        verb->setPalette(lbPred[0]->palette());
        verb->setText(zpusob::verbs()[v - 1]);
        verb->setGeometry(kVerbLefts[v - 1], 431, 81, 20);
        connect(verb, &TWordLabel::clicked, this, [this, v] { SlovesoClick(v); });
        lb[v - 1] = verb;
    }

    moznosti = new TwndMoznosti2(this);
    connect(moznosti, &TwndMoznosti2::itemPressed, this,
            [this](int, const QString& text, QPoint at, int itemTop) {
                formPressed(text, at, itemTop);
            });
    token = new TDragToken(this);
    token->setObjectName(QStringLiteral("Oval"));
    connect(token, &TDragToken::dropped, this, &TwndZpusob::OvalMouseUp);
}

void TwndZpusob::StartExercise() {
    prepareBackground();
    forms = zpusob::parseVerbForms(
        readSection(DataList, zpusob::formsSectionHeader(GameGroup, GameLetter)));
    zpusob::shuffleForms(forms, rng()); // the same order on every page of this game
    PageSize = kRows;
    DealPage();
}

void TwndZpusob::DealPage() {
    token->cancelDrag();
    moznosti->hide();
    ExampleDrawer drawer(LoadGameSection(), zpusob::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    const int gapWidth =
        QFontMetrics(ed[0]->font()).horizontalAdvance(QStringLiteral("könn en")) + 8 + 12;
    for (int r = 1; r <= PageSize; ++r) {
        const QStringList lines = drawer.exampleLines(drawn[r - 1]);
        // The drawn line carries the drawer's "#" in front.
        rows[r - 1] = zpusob::parseExample(lines.value(0).mid(1), lines.value(1));
        layoutRow(r, gapWidth);
    }
    setAnswersActive(true);
}

void TwndZpusob::layoutRow(int r, int gapWidth) {
    const ZpusobRow& row = rows[r - 1];
    const int top = sentenceTop(r);
    placeText(Uvoz[r - 1], row.intro, kTextLeft, top - 21);
    placeText(lbPred[r - 1], row.before + QLatin1Char(' '), kTextLeft, top);
    QLabel* gap = ed[r - 1];
    gap->clear();
    gap->setGeometry(lbPred[r - 1]->x() + lbPred[r - 1]->width(), top, gapWidth, 20);
    gap->show();
    placeText(lbZa[r - 1], answers::spacedAfterGap(row.after), gap->x() + gapWidth, top);
}

void TwndZpusob::SlovesoClick(int verb) {
    if (PageChecked || verb < 1 || verb > zpusob::kVerbCount)
        return;
    const TWordLabel* label = lb[verb - 1];
    moznosti->resize(label->width(), moznosti->height());
    moznosti->Row = verb;
    moznosti->setItems(forms[verb - 1]);
    const int top = label->y() + moznosti->height() <= height() ? label->y() + label->height()
                                                                : label->y() - moznosti->height();
    moznosti->move(label->x(), top);
    moznosti->show();
}

void TwndZpusob::formPressed(const QString& text, QPoint at, int itemTop) {
    if (PageChecked || text.isEmpty())
        return;
    // The token lies centred over the pressed item, so the word does not jump.
    const QPoint item = moznosti->pos() + QPoint(1, itemTop);
    const int itemWidth = moznosti->width() - 2;
    token->setText(text);
    token->move(item.x() + (itemWidth - token->width()) / 2, item.y());
    token->beginDrag(at + item - token->pos());
}

void TwndZpusob::OvalMouseUp(QPoint at) {
    if (PageChecked)
        return;
    for (int r = 1; r <= PageSize; ++r) {
        if (ed[r - 1]->isVisible() && TDragToken::hits(ed[r - 1]->geometry(), at)) {
            ed[r - 1]->setText(zpusob::droppedText(token->text(), rows[r - 1].before));
            return;
        }
    }
}

bool TwndZpusob::judgeRow(int r) {
    return zpusob::isRight(rows[r - 1], ed[r - 1]->text());
}

void TwndZpusob::setAnswersActive(bool active) {
    if (!active) {
        token->cancelDrag();
        moznosti->hide();
    }
    for (TWordLabel* verb : lb)
        verb->setCursor(programCursor(active ? kHandCursor : kArrowCursor));
    for (QLabel* gap : ed)
        gap->setCursor(programCursor(kArrowCursor));
}

bool TwndZpusob::examplesRemain() {
    ExamplesLeft = static_cast<quint8>(zpusob::examplesAfterPage(ExamplesLeft));
    return ExamplesLeft > 0;
}

void TwndZpusob::showAnswer(int r, const TExtImage* mark) {
    wndHint2->UpText->setText(correctAnswer(r));
    wndHint2->UpText->adjustSize();
    wndHint2->DownText->setText(rows[r - 1].note);
    wndHint2->DownText->adjustSize();
    showHintBeside(wndHint2, mark,
                   qMax(wndHint2->UpText->width(), wndHint2->DownText->width()) + 30);
}

void TwndZpusob::hideAnswer() {
    wndHint2->hide();
}

} // namespace vz
