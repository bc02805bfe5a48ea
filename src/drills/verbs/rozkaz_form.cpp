#include "rozkaz_form.h"

#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../controls/align_edit.h"
#include "../../controls/fonts.h"
#include "../../controls/letter_buttons.h"
#include "../../exercise/example_drawer.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>
#include <QPainter>

namespace vz {
namespace {

constexpr int kTextLeft = 124;
constexpr int kLineWidth = 468;
constexpr std::array<int, 5> kSituationTops{101, 178, 255, 332, 409};

int sentenceTop(int r) {
    return kSituationTops[r - 1] + 21;
}

} // namespace

TwndRozkaz::TwndRozkaz(QWidget* stage) : TTypedAnswerForm(stage) {
    setObjectName(QStringLiteral("wndRozkaz"));
    constexpr std::array<int, 5> markTops{106, 184, 260, 337, 414};
    for (int r = 1; r <= kRows; ++r) {
        lbVzor[r - 1] = rowLabel(this, QRect(kTextLeft, kSituationTops[r - 1], kLineWidth, 20));
        lbBefore[r - 1] = rowLabel(this, QRect(kTextLeft, sentenceTop(r), 0, 20));
        addField(r, QRect(0, sentenceTop(r), 0, 20));
        lbAfter[r - 1] = rowLabel(this, QRect(0, sentenceTop(r), 0, 20));
        addMark(r, 602, markTops[r - 1]);
    }
    children =
        readSection(DataList, rozkaz::namesSectionHeader(GameGroup, GameLetter, QLatin1Char('$')));
    grandparents =
        readSection(DataList, rozkaz::namesSectionHeader(GameGroup, GameLetter, QLatin1Char('%')));
    const char* first[] = {"kluk", "holk", "deda", "baba", "ich"};
    const char* second[] = {"klu2", "hol2", "ded2", "bab2", "ich"};
    for (int kind = 0; kind < 5; ++kind) {
        const QString base = QStringLiteral("bmp\\01e_");
        firstPictures[kind] = loadPicture(resourceFile(base + first[kind] + ".bmp"));
        secondPictures[kind] = loadPicture(resourceFile(base + second[kind] + ".bmp"));
    }
}

void TwndRozkaz::StartExercise() {
    prepareBackground();
    letters->drawInto(Background);
    cleanBackground = Background;
    PageSize = kRows;
    DealPage();
}

bool TwndRozkaz::examplesRemain() {
    ExamplesLeft = ExamplesLeft > kRows ? ExamplesLeft - kRows : 0;
    return ExamplesLeft > 0;
}

void TwndRozkaz::DealPage() {
    Background = cleanBackground; // the last page's pictures go
    ExampleDrawer drawer(LoadGameSection(), rozkaz::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    // Every page draws its names afresh; within a page no name comes twice.
    QStringList pageChildren = children;
    QStringList pageGrandparents = grandparents;
    QPainter painter(&Background);
    for (int r = 1; r <= PageSize; ++r) {
        QStringList lines = drawer.exampleLines(drawn[r - 1]);
        lines[0].remove(0, 1); // the mark of a drawn example
        rows[r - 1] = rozkaz::parseExample(lines);
        scenePictures[r - 1] =
            rozkaz::fillNames(rows[r - 1], pageChildren, pageGrandparents, rng());
        const int top = 97 + 77 * (r - 1);
        for (const ScenePicture& picture : scenePictures[r - 1]) {
            const auto& set = picture.second ? secondPictures : firstPictures;
            painter.drawImage(picture.second ? 62 : 10, top, set[picture.kind]);
        }
        layoutRow(r);
    }
    painter.end();
    openFields(PageSize);
    update();
}

void TwndRozkaz::layoutRow(int r) {
    const RozkazRow& row = rows[r - 1];
    setFittedText(lbVzor[r - 1], row.situation, fittingFontSize(row.situation, kLineWidth));
    const QFontMetrics fieldFont(screenFont(16));
    int answerWidth = fieldFont.horizontalAdvance(row.answer);
    if (row.answer.contains(QLatin1Char('/')))
        answerWidth = qMax(fieldFont.horizontalAdvance(row.answer.section(QLatin1Char('/'), 0, 0)),
                           fieldFont.horizontalAdvance(row.answer.section(QLatin1Char('/'), 1)));
    const int fieldWidth = answerWidth + 16;
    const int size =
        fittingFontSize(row.before + QStringLiteral("  ") + row.after, kLineWidth - fieldWidth);
    layoutSentence(lbBefore[r - 1], ed[r - 1], lbAfter[r - 1], row.before, row.after, size,
                   fieldWidth);
}

} // namespace vz
