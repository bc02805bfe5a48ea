#include "antonym_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../controls/align_edit.h"
#include "../../controls/ext_image.h"
#include "../../controls/letter_buttons.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

namespace vz {
namespace {

int rowTop(int r) {
    return 104 + 36 * (r - 1);
}

} // namespace

TwndAntonyma::TwndAntonyma(QWidget* stage) : TTypedAnswerForm(stage) {
    setObjectName(QStringLiteral("wndAntonyma"));
    switchYes = loadPicture(resourceFile(QStringLiteral("bmp\\s_ano.bmp")));
    switchNo = loadPicture(resourceFile(QStringLiteral("bmp\\s_ne.bmp")));
    for (int r = 1; r <= kRows; ++r) {
        Text[r - 1] = rowLabel(this, QRect(26, rowTop(r), 157, 20), Qt::AlignCenter);
        auto* toggle = new TExtImage(this);
        toggle->setObjectName(QStringLiteral("Prep%1").arg(r));
        toggle->setGeometry(198, 100 + 36 * (r - 1), 38, 31);
        connect(toggle, &TExtImage::mousePressed, this, [this, r] { PrepinacMouseDown(r); });
        Prep[r - 1] = toggle;
        Label[r - 1] = rowLabel(this, QRect(251, rowTop(r), 156, 20), Qt::AlignCenter);
        addField(r, QRect(433, rowTop(r), 152, 20));
        addMark(r, 600, 98 + 36 * (r - 1));
    }
    zakryti = coverPanel(this, QRect(11, 277, 623, 178));
}

void TwndAntonyma::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TwndAntonyma::DealNextPage() {
    countPage();
    DealPage();
}

void TwndAntonyma::countPage() {
    PageSize = ExamplesLeft < 10 ? 5 : 10;
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize == 5)
        showCover(zakryti, Background, QPoint(10, 277));
}

void TwndAntonyma::DealPage() {
    letters->drawInto(Background);
    PageExamples->Clear();
    const QVector<AntonymRow> dealt =
        antonym::dealPage(LoadGameSection(), PageSize, *UsedExamples, *PageExamples, rng(),
                          gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= kRows; ++r) {
        const bool shown = r <= PageSize;
        if (shown) {
            rows[r - 1] = dealt[r - 1];
            Text[r - 1]->setText(rows[r - 1].word);
            Label[r - 1]->setText(rows[r - 1].shown);
        }
        switches[r - 1] = AntonymSwitch::Unset;
        Prep[r - 1]->clearPicture();
        Prep[r - 1]->setCursor(programCursor(kHandCursor));
        for (QWidget* w : {static_cast<QWidget*>(Text[r - 1]), static_cast<QWidget*>(Prep[r - 1]),
                           static_cast<QWidget*>(Label[r - 1])})
            w->setVisible(shown);
    }
    openFields(PageSize);
    update();
}

void TwndAntonyma::PrepinacMouseDown(int r) {
    if (PageChecked)
        return;
    // The first click always says yes; later clicks turn it over.
    const bool yes = switches[r - 1] != AntonymSwitch::Yes;
    switches[r - 1] = yes ? AntonymSwitch::Yes : AntonymSwitch::No;
    Prep[r - 1]->setPicture(yes ? switchYes : switchNo);
    if (!yes)
        ed[r - 1]->setFocus(Qt::MouseFocusReason);
}

void TwndAntonyma::setAnswersActive(bool active) {
    TTypedAnswerForm::setAnswersActive(active);
    for (TExtImage* toggle : Prep)
        toggle->setCursor(programCursor(active ? kHandCursor : kArrowCursor));
}

} // namespace vz
