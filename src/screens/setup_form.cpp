#include "setup_form.h"

#include "../app/cursors.h"
#include "../app/globals.h"
#include "../app/message_boxes.h"
#include "../app/resources.h"
#include "../app/scr_res_changer.h"
#include "../app/stage_image.h"
#include "../controls/ext_image.h"
#include "../controls/fonts.h"
#include "../controls/labels.h"
#include "../controls/slide_in.h"
#include "../platform/print_library.h"
#include "../store/cp1250.h"
#include "game_catalogue.h"
#include "help_window.h"
#include "select_form.h"
#include "windows.h"

#include <QValidator>

namespace vz {
namespace {

const QString kBarMessage = QStringLiteral("Meno nesmie obsahovať znak \"|\"");
const QString kNoPrintLibrary = QStringLiteral("Nebola nájdená tlačová knižnica \"Ravad.dll\".");

// Only what the Windows-1250 files can hold can be typed into the name.
// Control characters (a pasted line break, tab or NUL) are taken out: a line
// break would split the pupil's row in tab.dat in two.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input[i].category() == QChar::Other_Control) {
                input.remove(i, 1);
                if (i < position)
                    --position;
            }
        }
        return cp1250::canEncode(input) ? Acceptable : Invalid;
    }
};

struct ChoiceGeometry {
    int left, top, width, height;
};
constexpr std::array<ChoiceGeometry, 5> kChoices{{{133, 253, 35, 29},
                                                  {204, 293, 43, 29},
                                                  {203, 370, 43, 29},
                                                  {128, 409, 43, 29},
                                                  {52, 370, 43, 29}}};

QImage keyed(const QString& name) {
    const QImage image = loadPicture(resourceFile(name));
    return withTransparentColour(image, stagePixel(image, QPoint(1, 1)));
}

// The count of choice k (1 ... 5) for a count step: 10, 15 ... 30 for the
// step 10, else whole multiples of the step.
int choiceCount(int step, int k) {
    return step == 10 ? 5 + 5 * k : step * k;
}

} // namespace

std::array<int, 5> offeredCounts(int gameNumber) {
    const GameInfo* game = findGame(gameNumber);
    const int step = game ? game->countStep : 10;
    std::array<int, 5> counts{};
    for (int k = 1; k <= 5; ++k)
        counts[k - 1] = choiceCount(step, k);
    if (step == 12)
        counts[4] = 0;
    if (gameNumber == 24) { // 6d: only 10, 20 and 30
        counts[1] = 0;
        counts[3] = 0;
    }
    return counts;
}

TwndSetup::TwndSetup(QWidget* stage) : TStageForm(stage) {
    setObjectName(QStringLiteral("wndSetup"));
    Caption = QStringLiteral("Vevider Zuduzad - Nastavenie hry");
    helpOff = loadPicture(resourceFile(QStringLiteral("bmp\\setup\\nap_0.bmp")));
    helpOn = loadPicture(resourceFile(QStringLiteral("bmp\\setup\\nap_1.bmp")));
    continuePicture = keyed(QStringLiteral("bmp\\pokracuj.bmp"));
    printPicture = keyed(QStringLiteral("bmp\\tiskni.bmp"));
    const char* dials[] = {"10", "15", "20", "25", "30"};
    for (int i = 0; i < 5; ++i)
        dial[i] = loadPicture(
            resourceFile(QStringLiteral("BMP\\setup\\sipka_%1.bmp").arg(QLatin1String(dials[i]))));

    const auto pictureButton = [this](const char* name, QRect geometry) {
        auto* button = new TExtImage(this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(geometry);
        button->setCursor(programCursor(kHandCursor));
        button->ClickZvuk = ClickSound;
        button->OnZvuk = EnterSound;
        return button;
    };
    for (int k = 1; k <= 5; ++k) {
        const ChoiceGeometry& g = kChoices[k - 1];
        img[k - 1] = pictureButton(qPrintable(QStringLiteral("img%1").arg(k)),
                                   QRect(g.left, g.top, g.width, g.height));
        connect(img[k - 1], &TExtImage::clicked, this, [this, k] { CountClick(k); });
    }
    imgPriklady = pictureButton("imgPriklady", QRect(101, 293, 95, 100));
    imgPriklady->setCursor(programCursor(kArrowCursor));
    imgPriklady->ClickZvuk.clear();
    imgPriklady->OnZvuk.clear();
    Tisk = pictureButton("Tisk", QRect(24, 457, 96, 23));
    Tisk->setEnabled(false);
    new SlideIn(Tisk);
    connect(Tisk, &TExtImage::clicked, this, &TwndSetup::TiskClick);
    Pokr = pictureButton("Pokr", QRect(526, 457, 94, 23));
    Pokr->setEnabled(false);
    new SlideIn(Pokr);
    connect(Pokr, &TExtImage::clicked, this, &TwndSetup::PokrClick);
    imgNapoveda = pictureButton("imgNapoveda", QRect(561, 408, 26, 26));
    connect(imgNapoveda, &TExtImage::clicked, this, &TwndSetup::HelpClick);

    edJmeno = new QLineEdit(this);
    edJmeno->setObjectName(QStringLiteral("edJmeno"));
    edJmeno->setGeometry(384, 333, 193, 20);
    edJmeno->setFrame(false);
    edJmeno->setFont(screenFont(16));
    edJmeno->setCursor(programCursor(kHandCursor));
    edJmeno->setValidator(new NameValidator(edJmeno));
    QPalette white = edJmeno->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    edJmeno->setPalette(white);
    connect(edJmeno, &QLineEdit::textChanged, this, &TwndSetup::NameChanged);

    lbZahlavi = new TClickLabel(this, 5, 5, 539, 75);
    lbZahlavi->setObjectName(QStringLiteral("lbZahlavi"));
    lbZahlavi->setCursor(programCursor(kHelpCursor));
    connect(lbZahlavi, &TClickLabel::clicked, this,
            [] { wndHelp->ShowPicture(TwndHelp::SetupHelp); });

    backButton =
        new TBMPLabel(this, resourceFile(QStringLiteral("bmp\\setup\\mzpeth.bmp")),
                      resourceFile(QStringLiteral("bmp\\setup\\mzpet.bmp")), 546, 5, 91, 75);
    backButton->setObjectName(QStringLiteral("setupBack"));
    connect(backButton, &TXLabel::clicked, this, &TwndSetup::BackClick);
}

void TwndSetup::showEvent(QShowEvent* event) {
    TStageForm::showEvent(event);
    takeFocus();
}

void TwndSetup::takeFocus() {
    if (isPausing())
        TStageForm::takeFocus();
    else
        edJmeno->setFocus(Qt::OtherFocusReason); // first in the tab order
}

void TwndSetup::Prepare() {
    drawIntoBackground(backButton, backButton->LeavePicture);
    edJmeno->clear();
    PupilName.clear();
    ExamplesLeft = 0;
    ChosenCount = 0;
    const std::array<int, 5> counts = offeredCounts(GameNumber);
    const GameInfo* game = findGame(GameNumber);
    CountStep = static_cast<quint8>(game ? game->countStep : 10);
    for (int k = 1; k <= 5; ++k) {
        img[k - 1]->setVisible(counts[k - 1] != 0);
        choicePictures[k - 1] = {};
        if (CountStep == 12 && k == 5)
            continue; // four choices only
        // Hidden choices of 6d keep their pictures: the page looks the same for every step-10 game.
        const QString name = QStringLiteral("BMP\\setup\\%1_%2_%3.bmp")
                                 .arg(CountStep, 2, 10, QLatin1Char('0'))
                                 .arg(choiceCount(CountStep, k), 2, 10, QLatin1Char('0'));
        for (int state = 0; state < 2; ++state)
            choicePictures[k - 1][state] = loadPicture(resourceFile(name.arg(state)));
    }
    Pokr->findChild<SlideIn*>()->stop();
    Pokr->clearPicture();
    Pokr->setEnabled(false);
    ContinueShown = false;
    Tisk->findChild<SlideIn*>()->stop();
    Tisk->clearPicture();
    Tisk->setEnabled(false);
    PrintShown = false;
    imgPriklady->setPicture(dial[0]);
    showChoicePictures(0);
    HelpOn = false;
    imgNapoveda->setPicture(helpOff);
    Tisk->setVisible(!game || game->printable);
}

void TwndSetup::showChoicePictures(int highlighted) {
    for (int k = 1; k <= 5; ++k)
        img[k - 1]->setPicture(choicePictures[k - 1][k == highlighted ? 1 : 0]);
}

bool TwndSetup::refuseBar(const QString& name) {
    if (!name.contains(QLatin1Char('|')))
        return false;
    messageBoxes().stop(kBarMessage);
    return true;
}

void TwndSetup::NameChanged() {
    PupilName = edJmeno->text().trimmed();
    if (refuseBar(PupilName))
        return;
    if (!PupilName.isEmpty() && ChosenCount != 0)
        reveal(Pokr, ContinueShown, continuePicture);
    else
        hideContinue();
}

void TwndSetup::hideContinue() {
    Pokr->findChild<SlideIn*>()->stop();
    Pokr->setPicture(stageCopy(Background, Pokr->geometry()));
    Pokr->repaint();
    Pokr->setEnabled(false);
    ContinueShown = false;
}

void TwndSetup::CountClick(int choice) {
    showChoicePictures(choice);
    ChosenCount = static_cast<quint8>(choiceCount(CountStep, choice));
    imgPriklady->setPicture(dial[choice - 1]);
    imgPriklady->repaint();
    if (!ContinueShown && !edJmeno->text().isEmpty())
        reveal(Pokr, ContinueShown, continuePicture);
    if (!PrintShown)
        reveal(Tisk, PrintShown, printPicture);
}

void TwndSetup::reveal(TExtImage* button, bool& shown, const QImage& picture) {
    if (shown)
        return;
    shown = true; // a second reveal during the slide does nothing
    button->setEnabled(true);
    button->findChild<SlideIn*>()->start(stageCopy(Background, button->geometry()), picture);
}

void TwndSetup::HelpClick() {
    HelpOn = !HelpOn;
    imgNapoveda->setPicture(HelpOn ? helpOn : helpOff);
}

void TwndSetup::BackClick() {
    pauseThen(100, [this] {
        wndSelect->showOnStage();
        hide();
    });
}

void TwndSetup::PokrClick() {
    if (refuseBar(PupilName))
        return;
    RightCount = 0;
    WrongCount = 0;
    ExamplesLeft = ChosenCount;
    const GameInfo* game = findGame(GameNumber);
    if (!game || !startGame)
        return;
    if (HelpOn)
        wndHelp->ShowPicture(GameNumber);
    TStageForm* form = startGame(*game, parentWidget());
    if (!form)
        return; // a game whose form does not exist yet
    form->showOnStage();
}

void TwndSetup::TiskClick() {
    if (ScrResChanger)
        ScrResChanger->Attached = false;
    const QString trimmed = edJmeno->text().trimmed().left(255);
    const QByteArray name = cp1250::encode(trimmed.isEmpty() ? QStringLiteral(" ") : trimmed);
    const auto outcome = platform::callPrintLibrary(ResourceDir + QStringLiteral("Ravad"),
                                                    QStringLiteral("Hra%1").arg(GameNumber), name,
                                                    GameNumber, ChosenCount);
    if (outcome == platform::PrintOutcome::LibraryMissing)
        messageBoxes().stop(kNoPrintLibrary);
    else
        showOnStage();
    if (ScrResChanger)
        ScrResChanger->Attached = true;
}

} // namespace vz
