#include "diktat_form.h"

#include "../../app/globals.h"
#include "../../controls/align_edit.h"
#include "../../controls/letter_buttons.h"
#include "../../store/section_reader.h"

namespace vz {
namespace {

// Rows 34 pixels apart, 50 between the two half-pages.
constexpr std::array<int, 10> kFieldTops{102, 136, 170, 204, 238, 289, 323, 357, 391, 425};
constexpr std::array<int, 10> kSpeakerTops{100, 133, 167, 201, 235, 287, 321, 355, 389, 423};
constexpr std::array<int, 10> kMarkTops{97, 131, 165, 199, 233, 283, 317, 351, 385, 419};

} // namespace

TwndDiktat::TwndDiktat(QWidget* stage) : TListeningForm(stage) {
    setObjectName(QStringLiteral("wndDiktat"));
    for (int r = 1; r <= kRows; ++r) {
        addLoudspeaker(r, QRect(64, kSpeakerTops[r - 1], 33, 25));
        addField(r, QRect(108, kFieldTops[r - 1], 460, 20))
            ->setAlignment(TAlignEdit::TextAlignment::Left);
        addMark(r, 592, kMarkTops[r - 1]);
    }
    addCover(QRect(11, 279, 617, 178));
}

void TwndDiktat::DealPage() {
    letters->drawInto(Background);
    PageExamples->Clear();
    const QVector<DiktatExample> dealt =
        diktat::dealPage(LoadGameSection(), PageSize, *UsedExamples, *PageExamples, rng(),
                         gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= PageSize; ++r)
        examples[r - 1] = dealt[r - 1];
    openRows(PageSize);
    update();
}

bool TwndDiktat::judgeRow(int row) {
    // The pupil sees the sentence as it was judged.
    const QString judged = diktat::judgedText(answerText(row));
    ed[row - 1]->setText(judged);
    return judged == examples[row - 1].Answer;
}

QString TwndDiktat::soundOf(int row) const {
    return diktat::soundFile(examples[row - 1].SoundName);
}

} // namespace vz
