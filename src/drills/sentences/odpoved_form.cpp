#include "odpoved_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../controls/labels.h"
#include "../../controls/slide_in.h"
#include "../../controls/text_buttons.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"
#include "odpoved_sum_form.h"

namespace vz {
namespace {

constexpr int kQuestionTop[2] = {143, 316};
constexpr int kQuestionWidth = 520;
constexpr int kReplyWidth = 496;
constexpr int kReplyTop[2][3] = {{169, 195, 222}, {342, 368, 395}};
constexpr int kChoiceTop[2][3] = {{165, 192, 219}, {338, 365, 392}};
constexpr int kMarkTop[2] = {176, 349};

} // namespace

const QColor TwndOdpoved::kChosenReply(43, 103, 158);

TwndOdpoved::TwndOdpoved(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndOdpoved"));
    ChoiceMark = loadPicture(resourceFile(QStringLiteral("bmp\\sw_1.bmp")));
    WrongChoiceMark = loadPicture(resourceFile(QStringLiteral("bmp\\sw_2.bmp")));
    checkButton->hide(); // the game is checked on the summary page
    for (int q = 1; q <= 2; ++q) {
        Veta[q - 1] = rowLabel(this, QRect(59, kQuestionTop[q - 1], kQuestionWidth, 20));
        Veta[q - 1]->setObjectName(QStringLiteral("Veta%1").arg(q));
        for (int k = 1; k <= 3; ++k) {
            auto* reply = new TWordLabel(this);
            reply->setObjectName(QStringLiteral("Odp%1_%2").arg(q).arg(k));
            reply->setGeometry(83, kReplyTop[q - 1][k - 1], kReplyWidth, 20);
            // Drawn over the form like any child, so that a chosen reply can fill its bar.
            reply->setAttribute(Qt::WA_TranslucentBackground, false);
            reply->setAttribute(Qt::WA_NoSystemBackground, false);
            connect(reply, &TWordLabel::clicked, this, [this, q, k] { OdpovedClick(q, k); });
            Odp[q - 1][k - 1] = reply;
            auto* choice = new TExtImage(this);
            choice->setObjectName(QStringLiteral("img%1").arg(3 * (q - 1) + k));
            choice->setGeometry(60, kChoiceTop[q - 1][k - 1], 23, 23);
            connect(choice, &TExtImage::clicked, this, [this, q, k] { OdpovedClick(q, k); });
            img[3 * (q - 1) + k - 1] = choice;
        }
        addMark(q, 596, kMarkTop[q - 1]);
    }
    Zakryti = coverPanel(this, QRect(11, 277, 623, 178));
    Pokr->setEnabled(true);
    connect(Pokr, &TExtImage::clicked, this, &TwndOdpoved::PokrClick);
    Summary = new TwndOdpovedSum(stage, this);
}

TwndOdpoved::~TwndOdpoved() {
    // The summary lives as long as this form.
    if (Summary && !Summary->isReleased()) {
        Summary->hide();
        Summary->deleteLater();
    }
}

TwndOdpovedSum* TwndOdpoved::summary() const {
    return Summary.data();
}

void TwndOdpoved::StartExercise() {
    for (TBMPLabel* button : {backButton, tableButton, newButton})
        drawIntoBackground(button, button->LeavePicture);
    DealPage();
}

void TwndOdpoved::DealPage() {
    if (Summary->Evaluated)
        return; // counted already; the new button is off then
    PageExamples->Clear();
    Examples =
        odpoved::drawAllExamples(LoadGameSection(), ExamplesLeft, *UsedExamples, *PageExamples,
                                 gameSectionHeader(GameGroup, GameLetter), rng());
    CurrentPage = 1;
    Reviewing = false;
    for (TExtImage* mark : Vyhodn)
        mark->clearPicture();
    Summary->FillSummary();
    Summary->hide();
    setRepliesOpen(true);
    ShowQuizPage(CurrentPage);
}

void TwndOdpoved::ShowQuizPage(int page) {
    CurrentPage = page;
    if (!Reviewing) {
        if (auto* slide = Pokr->findChild<SlideIn*>())
            slide->stop();
        Pokr->clearPicture();
        Pokr->setEnabled(false);
    }
    fillQuestion(1);
    if (hasQuestion(2)) {
        fillQuestion(2);
        Zakryti->hide();
    } else {
        showCover(Zakryti, Background, Zakryti->pos() - QPoint(1, 0));
    }
}

void TwndOdpoved::fillQuestion(int q) {
    const QuizExample& example = Examples[exampleOf(q)];
    Veta[q - 1]->setFont(screenFont(fittingFontSize(example.Question, 521)));
    Veta[q - 1]->setText(example.Question);
    for (int k = 1; k <= 3; ++k) {
        TWordLabel* reply = Odp[q - 1][k - 1];
        reply->setFont(screenFont(fittingFontSize(example.option(k), 497)));
        reply->setText(example.option(k));
        setReplyLook(q, k, false);
    }
    if (Summary->Evaluated) {
        setReplyLook(q, example.CorrectOption, true); // the marks stay as the summary set them
        return;
    }
    markReply(q, example.ChosenOption);
}

void TwndOdpoved::markReply(int q, int chosen) {
    for (int k = 1; k <= 3; ++k) {
        img[3 * (q - 1) + k - 1]->setPicture(k == chosen ? ChoiceMark : QImage());
        setReplyLook(q, k, k == chosen);
    }
}

void TwndOdpoved::setReplyLook(int q, int k, bool white) {
    TWordLabel* reply = Odp[q - 1][k - 1];
    QPalette colours = reply->palette();
    colours.setColor(QPalette::WindowText, white ? Qt::white : Qt::black);
    colours.setColor(QPalette::Window, kChosenReply);
    reply->setPalette(colours);
    reply->setAutoFillBackground(white); // white text lies on a blue bar
}

void TwndOdpoved::showReviewMarks(int q) {
    if (!hasQuestion(q)) {
        Vyhodn[q - 1]->clearPicture();
        return;
    }
    const odpoved::ReviewMarks marks = odpoved::reviewMarks(Examples[exampleOf(q)]);
    for (int k = 1; k <= 3; ++k) {
        const bool right = k == marks.choiceMark;
        const bool wrong = k == marks.wrongChoiceMark;
        img[3 * (q - 1) + k - 1]->setPicture(right   ? ChoiceMark
                                             : wrong ? WrongChoiceMark
                                                     : QImage());
    }
    Vyhodn[q - 1]->setPicture(loadPicture(resourceFile(
        marks.right ? QStringLiteral("bmp\\check_ok.bmp") : QStringLiteral("bmp\\check_ko.bmp"))));
}

void TwndOdpoved::setRepliesOpen(bool open) {
    repliesOpen = open;
    const QCursor cursor = programCursor(open ? kHandCursor : kArrowCursor);
    for (const auto& replies : Odp) {
        for (TWordLabel* reply : replies)
            reply->setCursor(cursor);
    }
    for (TExtImage* choice : img)
        choice->setCursor(cursor);
    newButton->setEnabled(open); // a checked game is not drawn again
}

void TwndOdpoved::OdpovedClick(int q, int k) {
    if (!repliesOpen || isReleased() || !hasQuestion(q))
        return;
    Examples[exampleOf(q)].ChosenOption = k;
    markReply(q, k);
    if (odpoved::pageAnswered(Examples, CurrentPage) && !Pokr->isEnabled())
        ShowContinue();
}

void TwndOdpoved::PokrClick() {
    if (isReleased() || isPausing())
        return;
    if (!Reviewing && 2 * CurrentPage < Examples.size()) {
        ShowQuizPage(CurrentPage + 1);
        return;
    }
    showSummary();
}

void TwndOdpoved::showSummary() {
    Summary->Caption = Caption;
    Summary->showOnStage();
}

QString TwndOdpoved::correctAnswer(int q) const {
    if (!hasQuestion(q))
        return {};
    const QuizExample& example = Examples[exampleOf(q)];
    return example.option(example.CorrectOption);
}

} // namespace vz
