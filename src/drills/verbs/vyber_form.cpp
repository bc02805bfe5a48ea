#include "vyber_form.h"

#include "../../app/cursors.h"
#include "../../app/stage_image.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../exercise/example_drawer.h"
#include "../../screens/option_popups.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace vz {
namespace {

constexpr int kLineWidth = 532;
constexpr int kGapFontSize = 16;
constexpr int kSmallestFont = 8;

int rowTop(int row) {
    return 106 + 36 * (row - 1);
}

QLabel* sentenceLabel(QWidget* parent, int row) {
    auto* label = new QLabel(parent);
    label->setGeometry(0, rowTop(row), 0, 20);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setCursor(programCursor(kArrowCursor));
    return label;
}

} // namespace

TwndVyber::TwndVyber(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndVyber"));
    const bool prepositions = GameNumber == 16; // 4c starts further left
    sentenceLeft = prepositions ? 54 : 86;
    const int markLeft = prepositions ? 601 : 569;
    for (int r = 1; r <= kRows; ++r) {
        lbPred[r - 1] = sentenceLabel(this, r);
        lbPred[r - 1]->setObjectName(QStringLiteral("lbPred%1").arg(r));
        edSlovo[r - 1] = new TGapLabel(this, r);
        edSlovo[r - 1]->setObjectName(QStringLiteral("edSlovo%1").arg(r));
        connect(edSlovo[r - 1], &TGapLabel::pressed, this, &TwndVyber::MoznostiDown);
        lbZa[r - 1] = sentenceLabel(this, r);
        lbZa[r - 1]->setObjectName(QStringLiteral("lbZa%1").arg(r));
        addMark(r, markLeft, 101 + 36 * (r - 1));
    }
    zakryti = new QWidget(this);
    zakryti->setObjectName(QStringLiteral("zakryti"));
    zakryti->setGeometry(8, 280, 628, 177);
    zakryti->setAutoFillBackground(true);
    zakryti->setCursor(programCursor(kArrowCursor));
    zakryti->hide();

    moznosti = new TwndMoznosti(this); // lies over the form, which covers the stage
    connect(moznosti, &TwndMoznosti::itemChosen, this, [this](int row, const QString& text) {
        if (row >= 1 && row <= kRows) {
            edSlovo[row - 1]->setText(text);
            edSlovo[row - 1]->repaint();
        }
    });
}

void TwndVyber::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TwndVyber::countPage() {
    PageSize = vyber::pageSize(ExamplesLeft);
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize == 5 && !zakryti->isVisible()) {
        QPalette colour = zakryti->palette();
        colour.setColor(QPalette::Window, Background.isNull()
                                              ? QColor(33, 89, 140)
                                              : stagePixelColor(Background, QPoint(7, 280)));
        zakryti->setPalette(colour);
        zakryti->show();
        zakryti->raise();
    }
}

void TwndVyber::DealPage() {
    ExampleDrawer drawer(LoadGameSection(), vyber::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    const QFontMetrics gapFont(screenFont(kGapFontSize));
    for (int r = 1; r <= PageSize; ++r) {
        const QStringList lines = drawer.exampleLines(drawn[r - 1]);
        VyberRow& row = rows[r - 1];
        row = vyber::parseExample(lines.value(0).mid(1),
                                  lines.value(1)); // first line carries the drawn mark
        vyber::shuffleForms(row, rng());
        int widest = 0;
        for (const QString& form : row.offered)
            widest = qMax(widest, gapFont.horizontalAdvance(form));
        layoutRow(r, widest + 8);
    }
    for (int r = PageSize + 1; r <= kRows; ++r) {
        lbPred[r - 1]->hide();
        edSlovo[r - 1]->hide();
        lbZa[r - 1]->hide();
    }
}

void TwndVyber::layoutRow(int r, int gapWidth) {
    const VyberRow& row = rows[r - 1];
    int size = 16;
    while (size > kSmallestFont &&
           QFontMetrics(screenFont(size))
                   .horizontalAdvance(row.before + row.after + QStringLiteral("  ")) >
               kLineWidth - gapWidth)
        --size;

    QLabel* before = lbPred[r - 1];
    before->setFont(screenFont(size));
    before->setText(row.before + QLatin1Char(' '));
    before->setGeometry(sentenceLeft, rowTop(r),
                        QFontMetrics(before->font()).horizontalAdvance(before->text()), 20);

    TGapLabel* gap = edSlovo[r - 1];
    gap->clear();
    gap->setGeometry(before->x() + before->width(), rowTop(r), gapWidth, 20);
    gap->setCursor(programCursor(kHandCursor));

    QLabel* after = lbZa[r - 1];
    after->setFont(screenFont(size));
    after->setText(QLatin1Char(' ') + row.after);
    after->setGeometry(gap->x() + gapWidth, rowTop(r),
                       QFontMetrics(after->font()).horizontalAdvance(after->text()), 20);
    for (QWidget* w :
         {static_cast<QWidget*>(before), static_cast<QWidget*>(gap), static_cast<QWidget*>(after)})
        w->show();
}

void TwndVyber::MoznostiDown(int r) {
    if (PageChecked)
        return;
    const TGapLabel* gap = edSlovo[r - 1];
    moznosti->resize(gap->width(), moznosti->height());
    moznosti->Row = r;
    const VyberRow& row = rows[r - 1];
    moznosti->setItems({row.offered[0], row.offered[1], row.offered[2]});
    const int top = gap->y() + moznosti->height() <= height() ? gap->y() + gap->height()
                                                              : gap->y() - moznosti->height();
    moznosti->move(gap->x(), top);
    moznosti->show();
}

bool TwndVyber::judgeRow(int r) {
    return vyber::isRight(rows[r - 1], edSlovo[r - 1]->text());
}

void TwndVyber::setAnswersActive(bool active) {
    for (TGapLabel* gap : edSlovo)
        gap->setCursor(programCursor(active ? kHandCursor : kArrowCursor));
}

} // namespace vz
