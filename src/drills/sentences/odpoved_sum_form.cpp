#include "odpoved_sum_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../controls/labels.h"
#include "../../controls/text_buttons.h"
#include "../../exercise/row_layout.h"
#include "../../screens/help_window.h"
#include "../../screens/windows.h"
#include "odpoved_form.h"
#include "odpoved_rules.h"

#include <QFontMetrics>

namespace vz {

TwndOdpovedSum::TwndOdpovedSum(QWidget* stage, TwndOdpoved* quiz)
    : TExerciseForm(stage), quiz(quiz) {
    setObjectName(QStringLiteral("wndOdpovedSum"));
    const int count = ExamplesLeft;
    Background = loadPicture(resourceFile(odpoved::summaryBackground(count)));
    prepareBackground();
    PageSize = count;

    // The title shows the help of this page; back leaves the whole game.
    lbNadpis->disconnect(this);
    connect(lbNadpis, &TClickLabel::clicked, this,
            [] { wndHelp->ShowPicture(TwndHelp::AnswerSummaryHelp); });
    backButton->disconnect(this);
    connect(backButton, &TXLabel::clicked, this,
            [this] { pauseThen(100, [this] { this->quiz->release(); }); });
    // Continue records the result and releases this form; the quiz goes with it.
    connect(Pokr, &TExtImage::clicked, this, [this] {
        if (isReleased())
            this->quiz->release();
    });

    for (int i = 0; i < count; ++i) {
        const odpoved::SummaryRow place = odpoved::summaryRow(count, i);
        auto* label = new TWordLabel(this);
        label->setObjectName(QStringLiteral("Riadok%1").arg(i + 1));
        label->setGeometry(place.label);
        label->setCursor(programCursor(kHandCursor));
        connect(label, &TWordLabel::clicked, this, [this, i] { OpenQuestionPage(i); });
        rows << label;
        TExtImage* mark = addMark(i + 1, place.mark.left(), place.mark.top());
        connect(mark, &TExtImage::clicked, this, [this, i] { SummaryMarkClick(i); });
    }
    const QRect cover = odpoved::summaryCover(count);
    Zakryti = coverPanel(this, cover.isEmpty() ? QRect(0, 0, 1, 1) : cover);
    if (!cover.isEmpty())
        showCover(Zakryti, Background, cover.topLeft() - QPoint(1, 0));
}

void TwndOdpovedSum::FillSummary() {
    Evaluated = false;
    PageChecked = false;
    const QFontMetrics metrics(screenFont(16));
    const auto measure = [&metrics](const QString& text) {
        return metrics.horizontalAdvance(text);
    };
    for (int i = 0; i < rows.size() && i < quiz->Examples.size(); ++i)
        rows[i]->setText(odpoved::shortened(quiz->Examples[i].Question, rows[i]->width(), measure));
    for (TExtImage* mark : Vyhodn) {
        mark->clearPicture();
        mark->setToolTip(QString());
        mark->setCursor(programCursor(kArrowCursor));
    }
    checkButton->setEnabled(true);
    newButton->setEnabled(true);
    Pokr->clearPicture();
    Pokr->setEnabled(false);
}

void TwndOdpovedSum::OpenQuestionPage(int row) {
    if (isReleased() || isPausing() || row >= quiz->Examples.size())
        return;
    const int page = odpoved::pageOf(row);
    quiz->CurrentPage = page;
    if (Evaluated) {
        quiz->showReviewMarks(1);
        quiz->showReviewMarks(2);
    }
    quiz->Reviewing = true;
    quiz->ShowQuizPage(page);
    quiz->showOnStage();
}

void TwndOdpovedSum::SummaryMarkClick(int row) {
    Vyhodn[row]->setToolTip(QString());
    if (Evaluated && !odpoved::isRight(quiz->Examples.value(row)))
        OpenQuestionPage(row);
}

void TwndOdpovedSum::DealPage() {
    quiz->StartExercise();
}

bool TwndOdpovedSum::judgeRow(int row) {
    return odpoved::isRight(quiz->Examples.value(row - 1));
}

QString TwndOdpovedSum::correctAnswer(int row) const {
    const QuizExample example = quiz->Examples.value(row - 1);
    return example.option(example.CorrectOption);
}

void TwndOdpovedSum::setAnswersActive(bool active) {
    Evaluated = !active;
    quiz->setRepliesOpen(active);
}

} // namespace vz
