#include "przajm_form.h"

#include "../../app/cursors.h"
#include "../../controls/drag_token.h"
#include "../../controls/fonts.h"
#include "../../controls/text_buttons.h"
#include "../../exercise/answer_text.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

namespace vz {
namespace {

constexpr int kTextLeft = 84;
constexpr int kTextRight = 560; // the white strip under each sentence ends here
constexpr int kPaletteTop = 401;
constexpr int kEndingTop = 431;
const QColor kStemColour(34, 91, 144);
const QColor kEndingColour(202, 0, 0);

int sentenceTop(int r) {
    return 122 + 60 * (r - 1);
}

void colourText(QLabel* label, const QColor& colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

int blankWidth(int pixelSize) {
    return QFontMetrics(screenFont(pixelSize)).horizontalAdvance(przajm::blankMeasure()) + 12;
}

} // namespace

TwndPrZajm::TwndPrZajm(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndPrZajm"));
    for (int r = 1; r <= kRows; ++r) {
        const int top = sentenceTop(r);
        Veta[r - 1] = rowLabel(this, QRect(kTextLeft, top - 21, 0, 20));
        Veta[r - 1]->setObjectName(QStringLiteral("Veta%1").arg(r));
        lbPred[r - 1] = rowLabel(this, QRect(kTextLeft, top, 0, 20));
        lbPred[r - 1]->setObjectName(QStringLiteral("lbPred%1").arg(r));
        auto* gap = new TGapLabel(this, r);
        gap->setObjectName(QStringLiteral("edSlovo%1").arg(r));
        gap->setGeometry(164, top, 80, 20);
        edSlovo[r - 1] = gap;
        lbZa[r - 1] = rowLabel(this, QRect(244, top, 0, 20));
        lbZa[r - 1]->setObjectName(QStringLiteral("lbZa%1").arg(r));
        const auto placed = [this, r](const QString& name, const QColor& colour, bool stem) {
            auto* label = new TWordLabel(this);
            label->setObjectName(name);
            colourText(label, colour);
            label->hide();
            connect(label, &TWordLabel::clicked, this, [this, r, stem] { TextClick(r, stem); });
            return label;
        };
        placedStem[r - 1] = placed(QStringLiteral("Label%1").arg(r), kStemColour, true);
        placedEnding[r - 1] = placed(QStringLiteral("Label%1").arg(10 + r), kEndingColour, false);
        addMark(r, 576, 106 + 60 * (r - 1));
    }
    const auto paletteLabel = [this](int number, int left, int top, const QString& caption) {
        QLabel* label = rowLabel(this, QRect(left, top, 49, 20), Qt::AlignCenter);
        label->setObjectName(QStringLiteral("Label%1").arg(number));
        label->setText(caption);
        colourText(label, Qt::white); // the background draws a chip under it
        label->installEventFilter(this);
        return label;
    };
    for (int k = 0; k < int(paletteStem.size()); ++k)
        paletteStem[k] = paletteLabel(21 + k, 157 + 64 * k, kPaletteTop, przajm::paletteStems()[k]);
    for (int k = 0; k < int(paletteEnding.size()); ++k)
        paletteEnding[k] =
            paletteLabel(27 + k, 157 + 64 * k, kEndingTop, przajm::paletteEndings()[k]);
    Oval = new TDragToken(this, 49, 20);
    Oval->setObjectName(QStringLiteral("Oval"));
    connect(Oval, &TDragToken::dropped, this, &TwndPrZajm::OvalMouseUp);
}

void TwndPrZajm::StartExercise() {
    prepareBackground();
    PageSize = kRows;
    DealPage();
    setAnswersActive(true);
}

void TwndPrZajm::DealPage() {
    // Every deal costs a page, the one "new" asks for too.
    ExamplesLeft = static_cast<quint8>(przajm::examplesAfterDeal(ExamplesLeft));
    Oval->cancelDrag();
    ExampleDrawer drawer(LoadGameSection(), przajm::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= PageSize; ++r) {
        QStringList lines = drawer.exampleLines(drawn[r - 1]);
        lines[0] = lines[0].mid(1); // the drawer's "#"
        rows[r - 1] = przajm::parseExample(lines);
        layoutRow(r);
    }
}

void TwndPrZajm::layoutRow(int r) {
    const PronounRow& row = rows[r - 1];
    const QString after = answers::spacedAfterGap(row.TextAfter);
    const int size = przajm::sentenceFontSize(
        [&row, &after](int pixelSize) {
            const QFontMetrics metrics(screenFont(pixelSize));
            return metrics.horizontalAdvance(row.TextBefore + QLatin1Char(' ')) +
                   blankWidth(pixelSize) + metrics.horizontalAdvance(after);
        },
        kTextRight - kTextLeft);
    setFittedText(Veta[r - 1], row.Context, fittingFontSize(row.Context, kTextRight - kTextLeft));
    edSlovo[r - 1]->clear();
    layoutSentence(lbPred[r - 1], edSlovo[r - 1], lbZa[r - 1], row.TextBefore, row.TextAfter, size,
                   blankWidth(size));
    placedStem[r - 1]->setFont(screenFont(size));
    placedEnding[r - 1]->setFont(screenFont(size));
    blanks[r - 1] = {};
    layoutBlank(r);
}

void TwndPrZajm::layoutBlank(int r) {
    const przajm::Blank& content = blanks[r - 1];
    const QLabel* gap = edSlovo[r - 1];
    TWordLabel* stem = placedStem[r - 1];
    TWordLabel* ending = placedEnding[r - 1];
    stem->setText(content.stem);
    ending->setText(content.ending);
    const auto width = [](const QLabel* label) {
        return label->text().isEmpty()
                   ? 0
                   : QFontMetrics(label->font()).horizontalAdvance(label->text());
    };
    const int left = przajm::contentLeft(gap->x(), gap->width(), width(stem), width(ending));
    stem->setGeometry(left, gap->y(), width(stem), 20);
    ending->setGeometry(left + width(stem), gap->y(), width(ending), 20);
    for (TWordLabel* part : {stem, ending}) {
        part->setVisible(!part->text().isEmpty());
        part->raise();
    }
}

bool TwndPrZajm::eventFilter(QObject* watched, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    auto* label = qobject_cast<QLabel*>(watched);
    const auto holds = [label](const auto& labels) {
        return std::find(labels.begin(), labels.end(), label) != labels.end();
    };
    const bool inPalette = label && (holds(paletteStem) || holds(paletteEnding));
    if (!press || !inPalette)
        return TExerciseForm::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton)
        VzorMouseDown(label, mouse->position().toPoint());
    return true;
}

void TwndPrZajm::VzorMouseDown(QLabel* source, QPoint at) {
    if (PageChecked || Oval->isDragging())
        return;
    draggingEnding =
        std::find(paletteEnding.begin(), paletteEnding.end(), source) != paletteEnding.end();
    Oval->setText(source->text());
    Oval->setTextColour(draggingEnding ? kEndingColour : kStemColour);
    // The chip lifts off right over its palette label and hides there after the drop.
    Oval->Home = source->pos();
    Oval->move(Oval->Home);
    Oval->beginDrag(at);
}

void TwndPrZajm::OvalMouseUp(QPoint at) {
    if (PageChecked)
        return;
    for (int r = 1; r <= PageSize; ++r) {
        if (!TDragToken::hits(edSlovo[r - 1]->geometry(), at))
            continue;
        przajm::Blank& content = blanks[r - 1];
        content = draggingEnding ? przajm::withEnding(content, Oval->text())
                                 : przajm::withStem(rows[r - 1], content, Oval->text());
        layoutBlank(r);
        return;
    }
}

void TwndPrZajm::TextClick(int r, bool stem) {
    if (PageChecked)
        return;
    blanks[r - 1] =
        stem ? przajm::withoutStem(blanks[r - 1]) : przajm::withoutEnding(blanks[r - 1]);
    layoutBlank(r);
}

void TwndPrZajm::setAnswersActive(bool active) {
    if (!active)
        Oval->cancelDrag();
    const QCursor cursor = programCursor(active ? kHandCursor : kArrowCursor);
    for (int r = 1; r <= kRows; ++r) {
        for (QWidget* w :
             {static_cast<QWidget*>(edSlovo[r - 1]), static_cast<QWidget*>(placedStem[r - 1]),
              static_cast<QWidget*>(placedEnding[r - 1])})
            w->setCursor(cursor);
    }
    for (QLabel* label : paletteStem)
        label->setCursor(cursor);
    for (QLabel* label : paletteEnding)
        label->setCursor(cursor);
}

} // namespace vz
