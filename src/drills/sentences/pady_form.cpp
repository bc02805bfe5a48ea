#include "pady_form.h"

#include "../../app/cursors.h"
#include "../../app/stage_image.h"
#include "../../controls/fonts.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>
#include <algorithm>

namespace vz {
namespace {

constexpr int kTextLeft = 52;
constexpr int kTextRight = 598; // the marks begin at 602
constexpr int kSpacing = 3;     // between the text, the blank and the text after it

int textTop(int r) {
    return 121 + 66 * (r - 1);
}

int buttonTop(int r) {
    return 143 + 66 * (r - 1);
}

int textWidth(const QString& text, int size) {
    return QFontMetrics(screenFont(size)).horizontalAdvance(text);
}

QLabel* blankLabel(QWidget* parent) {
    auto* blank = new QLabel(parent);
    blank->setFont(screenFont(16));
    blank->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    blank->setAutoFillBackground(true);
    QPalette colours = blank->palette();
    colours.setColor(QPalette::Window, QColor(255, 236, 182));
    colours.setColor(QPalette::WindowText, Qt::black);
    blank->setPalette(colours);
    blank->setCursor(programCursor(kArrowCursor));
    return blank;
}

// The font size at which the row fits before the marks whichever form fills
// the blank: 16 pixels unless the sentence is too long.
int rowFontSize(const CaseRow& row) {
    int size = 16;
    while (size > 8) {
        const int blank =
            std::max({textWidth(pady::kEmptyBlank, size), textWidth(row.LeftCaption(), size),
                      textWidth(row.RightCaption(), size)});
        const int width = textWidth(row.TextBefore, size) + kSpacing + blank + kSpacing +
                          textWidth(row.TextAfter, size);
        if (kTextLeft + width <= kTextRight)
            break;
        --size;
    }
    return size;
}

} // namespace

TwndPady::TwndPady(QWidget* stage) : TExerciseForm(stage), pictures(OptionButtonPictures::load()) {
    setObjectName(QStringLiteral("wndPady"));
    for (int r = 1; r <= kRows; ++r) {
        Pred[r - 1] = rowLabel(this, QRect(kTextLeft, textTop(r), 0, 20));
        Pred[r - 1]->setObjectName(QStringLiteral("Pred%1").arg(r));
        Slovo[r - 1] = blankLabel(this);
        Slovo[r - 1]->setObjectName(QStringLiteral("Slovo%1").arg(r));
        Za[r - 1] = rowLabel(this, QRect(346, textTop(r), 0, 20));
        Za[r - 1]->setObjectName(QStringLiteral("Za%1").arg(r));
        TlacL[r - 1] = new TOptionButton(this, -r);
        TlacL[r - 1]->setObjectName(QStringLiteral("TlacL%1").arg(r));
        TlacR[r - 1] = new TOptionButton(this, r);
        TlacR[r - 1]->setObjectName(QStringLiteral("TlacR%1").arg(r));
        for (TOptionButton* button : {TlacL[r - 1], TlacR[r - 1]})
            connect(button, &TOptionButton::pressed, this, &TwndPady::TlacitkoMouseDown);
        addMark(r, 602, 115 + 66 * (r - 1));
    }
}

void TwndPady::StartExercise() {
    prepareBackground();
    PageSize = kRows;
    DealPage();
    setAnswersActive(true);
}

void TwndPady::DealPage() {
    ExampleDrawer drawer(LoadGameSection(), pady::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= PageSize; ++r) {
        QStringList lines = drawer.exampleLines(drawn[r - 1]);
        lines[0].remove(0, 1); // the drawer's "#"
        rows[r - 1] = pady::dealRow(lines, rng());
        layoutRow(r);
    }
}

void TwndPady::layoutRow(int r) {
    const CaseRow& row = rows[r - 1];
    const int size = rowFontSize(row);
    fontSizes[r - 1] = size;
    setFittedText(Pred[r - 1], row.TextBefore, size);
    Pred[r - 1]->move(kTextLeft, textTop(r));
    Za[r - 1]->setText(row.TextAfter);
    Za[r - 1]->setFont(screenFont(size));
    placeBlank(r, pady::kEmptyBlank);

    const int width = OptionButtonPictures::buttonWidth(row.LeftCaption(), row.RightCaption());
    buttonWidths[r - 1] = width;
    // Under the blank, as far as the row leaves room before the mark.
    const int left = qMax(kTextLeft, qMin(Slovo[r - 1]->x() - 2, kTextRight - 2 * width));
    TlacL[r - 1]->setGeometry(left, buttonTop(r), width, OptionButtonPictures::kHeight);
    TlacR[r - 1]->setGeometry(left + width, buttonTop(r), width, OptionButtonPictures::kHeight);
    drawButtons(r, OptionButtonPictures::Pressed::None);
    for (QWidget* w : std::initializer_list<QWidget*>{Pred[r - 1], Slovo[r - 1], Za[r - 1],
                                                      TlacL[r - 1], TlacR[r - 1]})
        w->show();
}

void TwndPady::placeBlank(int r, const QString& text) {
    const int size = fontSizes[r - 1];
    QLabel* pred = Pred[r - 1];
    QLabel* blank = Slovo[r - 1];
    blank->setFont(screenFont(size));
    blank->setText(text);
    blank->setGeometry(pred->x() + pred->width() + kSpacing, textTop(r), textWidth(text, size), 20);
    QLabel* after = Za[r - 1];
    const int gap = pady::startsWithPunctuation(after->text()) ? 0 : kSpacing;
    after->setGeometry(blank->x() + blank->width() + gap, textTop(r),
                       textWidth(after->text(), size), 20);
}

void TwndPady::drawButtons(int r, OptionButtonPictures::Pressed pressed) {
    const CaseRow& row = rows[r - 1];
    const int width = buttonWidths[r - 1];
    const QImage picture = pictures.pair(width, row.LeftCaption(), row.RightCaption(), pressed);
    const int h = OptionButtonPictures::kHeight;
    TlacL[r - 1]->setPixmap(QPixmap::fromImage(stageCopy(picture, QRect(0, 0, width, h))));
    TlacR[r - 1]->setPixmap(QPixmap::fromImage(stageCopy(picture, QRect(width, 0, width, h))));
}

void TwndPady::TlacitkoMouseDown(int tag) {
    const int r = qAbs(tag);
    if (PageChecked || r < 1 || r > PageSize)
        return;
    const CaseRow& row = rows[r - 1];
    const bool left = tag < 0;
    placeBlank(r, left ? row.LeftCaption() : row.RightCaption());
    // Only the button chosen last looks pressed; the blank shows its form.
    drawButtons(r,
                left ? OptionButtonPictures::Pressed::Left : OptionButtonPictures::Pressed::Right);
}

void TwndPady::setAnswersActive(bool active) {
    const QCursor cursor = programCursor(active ? kHandCursor : kArrowCursor);
    for (int r = 1; r <= kRows; ++r) {
        TlacL[r - 1]->setCursor(cursor);
        TlacR[r - 1]->setCursor(cursor);
    }
}

bool TwndPady::examplesRemain() {
    ExamplesLeft = static_cast<quint8>(pady::examplesAfterPage(ExamplesLeft));
    return ExamplesLeft > 0;
}

} // namespace vz
