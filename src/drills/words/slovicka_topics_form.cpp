#include "slovicka_topics_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../app/message_boxes.h"
#include "../../app/resources.h"
#include "../../app/scr_res_changer.h"
#include "../../app/stage_image.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../controls/labels.h"
#include "../../controls/slide_in.h"
#include "../../exercise/row_layout.h"
#include "../../platform/print_library.h"
#include "../../screens/help_window.h"
#include "../../screens/windows.h"
#include "../../store/cp1250.h"
#include "../../store/section_reader.h"
#include "slovicka_form.h"

#include <QFontMetrics>
#include <QPainter>

namespace vz {
namespace {

const QString kNoPrintLibrary = QStringLiteral("Nebola nájdená tlačová knižnica \"Ravad.dll\".");
const QString kAllTopics = QStringLiteral("všetky...");
const QPoint kAllPosition(225, 439);
constexpr int kSlotWidth = 190;
constexpr int kSlotHeight = 32;
constexpr int kNameWidth = 145;
constexpr int kNameHeight = 20;

QImage keyed(const QString& name) {
    const QImage image = loadPicture(resourceFile(name));
    return withTransparentColour(image, stagePixel(image, QPoint(1, 1)));
}

TClickLabel* tickLabel(QWidget* form, QPoint at, int tag) {
    auto* label = new TClickLabel(form, at.x(), at.y(), kSlotWidth, kSlotHeight);
    label->Tag = tag;
    label->setCursor(programCursor(kHandCursor));
    return label;
}

} // namespace

QPoint TwndSlovickaObl::slotPosition(int i) {
    static constexpr std::array<int, 3> lefts{15, 225, 436};
    return {lefts[i % 3], 109 + 33 * (i / 3)};
}

TwndSlovickaObl::TwndSlovickaObl(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndSlovickaObl"));
    for (TBMPLabel* unused : {tableButton, newButton, checkButton})
        unused->hide();
    // The title shows this page's own help; continue starts the drill.
    disconnect(lbNadpis, &TClickLabel::clicked, this, nullptr);
    connect(lbNadpis, &TClickLabel::clicked, this,
            [] { wndHelp->ShowPicture(TwndHelp::TopicsHelp); });
    disconnect(Pokr, &TExtImage::clicked, this, nullptr);
    connect(Pokr, &TExtImage::clicked, this, &TwndSlovickaObl::PokrClick);

    Tisk = new TExtImage(this);
    Tisk->setObjectName(QStringLiteral("Tisk"));
    Tisk->setGeometry(24, 457, 96, 23);
    Tisk->setCursor(programCursor(kHandCursor));
    Tisk->ClickZvuk = ClickSound;
    Tisk->OnZvuk = EnterSound;
    Tisk->setEnabled(false);
    new SlideIn(Tisk);
    connect(Tisk, &TExtImage::clicked, this, &TwndSlovickaObl::TiskClick);

    continuePicture = keyed(QStringLiteral("bmp\\pokracuj.bmp"));
    printPicture = keyed(QStringLiteral("bmp\\tiskni.bmp"));
    tickOn = loadPicture(resourceFile(QStringLiteral("bmp\\tema_1.bmp")));
    tickOff = loadPicture(resourceFile(QStringLiteral("bmp\\tema_0.bmp")));

    for (int i = 0; i < slovicka::kMostTopics; ++i) {
        TClickLabel* label = tickLabel(this, slotPosition(i), i);
        label->setObjectName(QStringLiteral("lbTema%1").arg(i + 1));
        label->hide();
        connect(label, &TClickLabel::clicked, this, [this, i] { ToggleTopic(i); });
        lbTopic[i] = label;
    }
    lbAll = tickLabel(this, kAllPosition, -1);
    lbAll->setObjectName(QStringLiteral("lbVsetky"));
    connect(lbAll, &TClickLabel::clicked, this, &TwndSlovickaObl::SelectAll);
}

TwndSlovickaObl::~TwndSlovickaObl() {
    if (wndSlovicka && !drillStarted)
        wndSlovicka->deleteLater(); // the pupil went back without playing
}

void TwndSlovickaObl::LoadTopics() {
    const QString header = gameSectionHeader(GameGroup, GameLetter);
    topics = slovicka::TopicChoice(slovicka::topicNames(readSection(DataList, header)));
    Background = loadPicture(resourceFile(QStringLiteral("bmp\\bg_07e_s.bmp")));
    drawIntoBackground(backButton, backButton->LeavePicture);
    for (int i = 0; i < topics.count(); ++i) {
        DrawTopic(i);
        lbTopic[i]->show();
    }
    drawTick(kAllPosition, false, kAllTopics);

    wndSlovicka = new TwndSlovicka(parentWidget());
    wndSlovicka->Caption = Caption;
    wndSlovicka->Background = loadPicture(resourceFile(QStringLiteral("bmp\\bg_07e.bmp")));
    wndSlovicka->hide();
}

void TwndSlovickaObl::drawTick(QPoint at, bool ticked, const QString& name) {
    QPainter painter(&Background);
    painter.drawImage(at, ticked ? tickOn : tickOff);
    const QFont font = screenFont(fittingFontSize(name, kNameWidth + 1));
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(name);
    const int height = metrics.height();
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(at.x() + 9 + (kNameWidth - width) / 2,
                           at.y() + 5 + (kNameHeight - height) / 2, width + 1, height),
                     Qt::AlignLeft | Qt::AlignTop, name);
    update(QRect(at, QSize(kSlotWidth, kSlotHeight)));
}

void TwndSlovickaObl::DrawTopic(int i) {
    drawTick(slotPosition(i), topics.isSelected(i), topics.names().value(i));
}

void TwndSlovickaObl::ToggleTopic(int i) {
    if (i >= topics.count())
        return;
    topics.toggle(i);
    DrawTopic(i);
    updateButtons();
}

void TwndSlovickaObl::SelectAll() {
    drawTick(kAllPosition, topics.selectAll(), kAllTopics);
    for (int i = 0; i < topics.count(); ++i)
        DrawTopic(i);
    updateButtons();
}

void TwndSlovickaObl::updateButtons() {
    SlideIn* continueSlide = Pokr->findChild<SlideIn*>();
    SlideIn* printSlide = Tisk->findChild<SlideIn*>();
    if (topics.anySelected()) {
        if (Pokr->isEnabled())
            return;
        Pokr->setEnabled(true);
        Tisk->setEnabled(true);
        continueSlide->start(stageCopy(Background, Pokr->geometry()), continuePicture);
        printSlide->start(stageCopy(Background, Tisk->geometry()), printPicture);
        return;
    }
    for (auto [button, slide] : {std::pair{Pokr, continueSlide}, std::pair{Tisk, printSlide}}) {
        slide->stop();
        button->clearPicture();
        button->setEnabled(false);
    }
}

void TwndSlovickaObl::PokrClick() {
    if (isReleased() || !wndSlovicka || !topics.anySelected())
        return;
    const QStringList chosen = topics.chosen();
    const QStringList vocab =
        slovicka::joinTopics(DataList, gameSectionHeader(GameGroup, GameLetter), chosen);
    if (slovicka::drawableCount(vocab, TLChSet(0)) < ExamplesLeft) {
        // Too few words would end the game halfway: the pupil ticks more topics.
        messageBoxes().stop(slovicka::tooFewWordsMessage(ExamplesLeft));
        return;
    }
    wndSlovicka->Topics = chosen;
    wndSlovicka->StartExercise();
    drillStarted = true;
    wndSlovicka->showOnStage();
    release();
}

void TwndSlovickaObl::TiskClick() {
    if (ScrResChanger)
        ScrResChanger->Attached = false; // the library's windows leave the screen alone
    const auto outcome = platform::callVocabularyPrint(ResourceDir + QStringLiteral("Ravad"),
                                                       cp1250::encode(PupilName.left(255)),
                                                       GameNumber, ExamplesLeft, topics.flags());
    if (outcome == platform::PrintOutcome::LibraryMissing) {
        messageBoxes().stop(kNoPrintLibrary);
    } else {
        showOnStage();
        repaint();
    }
    if (ScrResChanger)
        ScrResChanger->Attached = true;
}

} // namespace vz
