#include "perf_form.h"

#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../controls/align_edit.h"
#include "../../controls/ext_image.h"
#include "../../controls/letter_buttons.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

namespace vz {
namespace {

// The rows are 32 pixels apart, with a little more room below row 7.
constexpr std::array<int, 10> kTops{132, 164, 196, 228, 260, 292, 324, 358, 390, 421};

} // namespace

TwndPerf::TwndPerf(QWidget* stage) : TTypedAnswerForm(stage) {
    setObjectName(QStringLiteral("wndPerf"));
    for (int r = 1; r <= kRows; ++r) {
        lbWord[r - 1] = rowLabel(this, QRect(105, kTops[r - 1], 200, 20), Qt::AlignCenter);
        addField(r, QRect(331, kTops[r - 1], 220, 20));
        addMark(r, 575, 128 + 32 * (r - 1));
    }
}

void TwndPerf::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TwndPerf::DealNextPage() {
    countPage();
    DealPage();
}

void TwndPerf::countPage() {
    PageSize = ExamplesLeft < 10 ? 5 : 10;
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize == 5) {
        // A five-row page has its own background without the lower rows.
        Background = loadPicture(resourceFile(QStringLiteral("bmp\\bg_0") +
                                              QString::number(GameGroup) + GameLetter + "_5.bmp"));
        prepareBackground();
        for (int r = 6; r <= kRows; ++r)
            Vyhodn[r - 1]->hide();
    }
}

void TwndPerf::DealPage() {
    letters->drawInto(Background);
    ExampleDrawer drawer(LoadGameSection(), 1, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= kRows; ++r) {
        if (r <= PageSize) {
            rows[r - 1] = perf::parseExample(drawer.exampleLines(drawn[r - 1]).value(0).mid(1));
            lbWord[r - 1]->setText(rows[r - 1].shown);
        }
        lbWord[r - 1]->setVisible(r <= PageSize);
    }
    openFields(PageSize);
    update();
}

} // namespace vz
