#include "exercise_form.h"

#include "../app/cursors.h"
#include "../app/message_boxes.h"
#include "../app/resources.h"
#include "../app/stage_image.h"
#include "../controls/ext_image.h"
#include "../controls/labels.h"
#include "../controls/slide_in.h"
#include "../screens/help_window.h"
#include "../screens/hint_windows.h"
#include "../screens/table_window.h"
#include "../screens/windows.h"
#include "../store/app_error.h"
#include "../store/section_reader.h"

namespace vz {
namespace {

TBMPLabel* menuButton(QWidget* form, const char* name, int left) {
    const QString plain = QStringLiteral("bmp\\%1.bmp").arg(QLatin1String(name));
    const QString hover = QStringLiteral("bmp\\%1h.bmp").arg(QLatin1String(name));
    auto* button = new TBMPLabel(form, resourceFile(hover), resourceFile(plain), left, 5, 91, 75);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

const QString kLogNotWritten = QStringLiteral(
    "Výsledok je v tabuľke, ale do súboru s výsledkami (Vysledky.dat) sa nepodarilo zapísať.");

QString TExerciseForm::markHint() {
    return QStringLiteral(
        "       Kliknutím\n\r   na hodnotenie\n\r      sa zobrazí\n\rsprávna odpoveď.");
}

TExerciseForm::TExerciseForm(QWidget* stage)
    : TStageForm(stage), random(QRandomGenerator::global()) {
    if (UsedExamples)
        UsedExamples->Clear();
    if (PageExamples)
        PageExamples->Clear();
    lbNadpis = new TClickLabel(this, 6, 6, 225, 67);
    lbNadpis->setCursor(programCursor(kHelpCursor));
    connect(lbNadpis, &TClickLabel::clicked, this, [] { wndHelp->ShowPicture(GameNumber); });

    backButton = menuButton(this, "mzpet", 546);
    tableButton = menuButton(this, "mtab", 455);
    newButton = menuButton(this, "mnove", 364);
    checkButton = menuButton(this, "mkont", 273);
    connect(backButton, &TXLabel::clicked, this, [this] { pauseThen(100, [this] { release(); }); });
    connect(tableButton, &TXLabel::clicked, this, &TExerciseForm::OpenTable);
    connect(newButton, &TXLabel::clicked, this, &TExerciseForm::newPressed);
    connect(checkButton, &TXLabel::clicked, this, &TExerciseForm::checkPressed);

    Pokr = new TExtImage(this);
    Pokr->setObjectName(QStringLiteral("Pokr"));
    Pokr->setGeometry(526, 457, 94, 23);
    Pokr->setCursor(programCursor(kHandCursor));
    Pokr->ClickZvuk = ClickSound;
    Pokr->OnZvuk = EnterSound;
    Pokr->setEnabled(false);
    connect(Pokr, &TExtImage::clicked, this, &TExerciseForm::PokrClick);
    continueSlide = new SlideIn(Pokr);

    const QImage slide = loadPicture(resourceFile(QStringLiteral("bmp\\pokracuj.bmp")));
    continuePicture = withTransparentColour(slide, stagePixel(slide, QPoint(1, 1)));
    markRight = loadPicture(resourceFile(QStringLiteral("bmp\\check_ok.bmp")));
    markWrong = loadPicture(resourceFile(QStringLiteral("bmp\\check_ko.bmp")));
}

void TExerciseForm::prepareBackground() {
    for (TBMPLabel* button : {backButton, tableButton, newButton, checkButton})
        drawIntoBackground(button, button->LeavePicture);
}

TExtImage* TExerciseForm::addMark(int row, int left, int top) {
    auto* mark = new TExtImage(this);
    mark->setObjectName(QStringLiteral("Vyhodn%1").arg(row));
    mark->setGeometry(left, top, 32, 32);
    mark->setCursor(programCursor(kArrowCursor));
    connect(mark, &TExtImage::mouseEntered, this, [this, row] { VyslMouseEnter(row); });
    connect(mark, &TExtImage::mousePressed, this, [this, row] { VyslMouseDown(row); });
    connect(mark, &TExtImage::mouseReleased, this, &TExerciseForm::VyslMouseUp);
    Vyhodn.resize(qMax(Vyhodn.size(), row));
    markRevealsAnswer.resize(Vyhodn.size());
    Vyhodn[row - 1] = mark;
    return mark;
}

QStringList TExerciseForm::LoadGameSection() const {
    return readSection(DataList, gameSectionHeader(GameGroup, GameLetter));
}

void TExerciseForm::newPressed() {
    if (PageChecked || released)
        return;
    DealPage();
    PageChecked = false;
    Pokr->clearPicture();
    Pokr->setEnabled(false);
}

void TExerciseForm::checkPressed() {
    if (PageChecked || released)
        return;
    for (int index : PageExamples->Members())
        UsedExamples->Add(index);
    newButton->setEnabled(false);
    checkButton->setEnabled(false);
    CheckPage();
    setAnswersActive(false);
    ShowContinue();
}

void TExerciseForm::CheckPage() {
    for (int row = 1; row <= PageSize; ++row) {
        const bool right = judgeRow(row);
        TExtImage* mark = Vyhodn[row - 1];
        mark->setPicture(right ? markRight : markWrong);
        markRevealsAnswer[row - 1] = !right;
        mark->setCursor(programCursor(right ? kArrowCursor : kHandCursor));
        setMarkHint(row, !right);
        if (right)
            ++RightCount;
        else
            ++WrongCount;
    }
    PageChecked = true;
}

void TExerciseForm::setMarkHint(int row, bool on) {
    Vyhodn[row - 1]->setToolTip(on ? markHint() : QString());
}

void TExerciseForm::ShowContinue() {
    Pokr->setEnabled(true);
    continueSlide->start(stageCopy(Background, Pokr->geometry()), continuePicture);
}

void TExerciseForm::PokrClick() {
    if (!PageChecked || released)
        return;
    continueSlide->stop();
    if (!examplesRemain()) {
        FinishExercise();
        return;
    }
    newButton->setEnabled(true);
    checkButton->setEnabled(true);
    Pokr->clearPicture();
    Pokr->setEnabled(false);
    for (int row = 1; row <= Vyhodn.size(); ++row) {
        Vyhodn[row - 1]->clearPicture();
        markRevealsAnswer[row - 1] = false;
        setMarkHint(row, false);
        Vyhodn[row - 1]->setCursor(programCursor(kArrowCursor));
    }
    setAnswersActive(true);
    PageChecked = false;
    DealNextPage();
}

void TExerciseForm::VyslMouseEnter(int row) {
    if (PageChecked && markRevealsAnswer.value(row - 1))
        setMarkHint(row, true);
}

void TExerciseForm::VyslMouseDown(int row) {
    setMarkHint(row, false);
    if (!PageChecked || !markRevealsAnswer.value(row - 1))
        return;
    showAnswer(row, Vyhodn[row - 1]);
}

void TExerciseForm::showAnswer(int row, const TExtImage* mark) {
    wndHint->Text->setText(correctAnswer(row));
    wndHint->Text->adjustSize();
    showHintBeside(wndHint, mark, wndHint->Text->width() + 30);
}

void TExerciseForm::showHintBeside(QWidget* hint, const TExtImage* mark, int width) {
    hint->resize(width, hint->height());
    hint->move(mark->x() + 7 - width, mark->y() + 23); // ends 7 pixels right of the mark's edge
    hint->show();
    hint->raise();
}

void TExerciseForm::VyslMouseUp() {
    hideAnswer();
}

void TExerciseForm::hideAnswer() {
    wndHint->hide();
}

TwndTab* TExerciseForm::createTable() {
    auto* table = new TwndTab(parentWidget());
    table->LoadTable();
    return table;
}

void TExerciseForm::OpenTable() {
    TwndTab* table = createTable();
    table->loadBackground();
    table->FillTable();
    table->showOnStage();
}

void TExerciseForm::FinishExercise() {
    TwndTab* table = createTable();
    const auto showTable = [this, table] {
        table->loadBackground();
        table->FillTable();
        table->showOnStage();
        release();
    };
    bool logged = true;
    try {
        table->RecordResult();
    } catch (const AppError&) {
        logged = false; // the result is in the table even when the log failed
    }
    showTable();
    if (!logged)
        tellLogFailedOnce();
}

void TExerciseForm::tellLogFailedOnce() {
    static bool told = false;
    if (told)
        return;
    told = true;
    messageBoxes().stop(kLogNotWritten);
}

void TExerciseForm::release() {
    if (released)
        return;
    released = true;
    continueSlide->stop();
    hideAnswer();
    hide();
    deleteLater();
}

} // namespace vz
