#include "listening_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../app/resources.h"
#include "../../app/routines.h"
#include "../../controls/align_edit.h"
#include "../../controls/ext_image.h"
#include "../../controls/labels.h"
#include "../../exercise/row_layout.h"

#include <QKeyEvent>

namespace vz {

TListeningForm::TListeningForm(QWidget* stage) : TTypedAnswerForm(stage) {}

void TListeningForm::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TListeningForm::DealNextPage() {
    countPage();
    DealPage();
}

void TListeningForm::countPage() {
    PageSize = ExamplesLeft < 10 ? 5 : 10;
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize == 5 && zakryti)
        showCover(zakryti, Background, zakryti->pos() - QPoint(1, 0));
}

void TListeningForm::addLoudspeaker(int row, const QRect& geometry) {
    auto* speaker =
        new TClickLabel(this, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    speaker->setObjectName(QStringLiteral("Label%1").arg(row));
    speaker->Tag = row;
    connect(speaker, &TClickLabel::clicked, this, [this, row] { ReprClick(row); });
    Label[row - 1] = speaker;
}

void TListeningForm::addCover(const QRect& geometry) {
    zakryti = coverPanel(this, geometry);
    for (TExtImage* mark : Vyhodn)
        mark->installEventFilter(this);
}

void TListeningForm::openRows(int rows) {
    for (int r = 1; r <= kRows; ++r) {
        Label[r - 1]->setVisible(r <= rows);
        Label[r - 1]->setCursor(programCursor(kHandCursor));
    }
    openFields(rows);
}

void TListeningForm::ReprClick(int row) {
    if (PageChecked || row > PageSize)
        return;
    PlayWave(resourceFile(soundOf(row)));
    ed[row - 1]->setFocus(Qt::MouseFocusReason);
}

void TListeningForm::setAnswersActive(bool active) {
    TTypedAnswerForm::setAnswersActive(active);
    for (TClickLabel* speaker : Label)
        speaker->setCursor(programCursor(active ? kHandCursor : kArrowCursor));
}

bool TListeningForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && qobject_cast<TExtImage*>(watched))
        return true; // the marks of these drills have no tool-tip
    // Backspace in the empty first field goes round to the last open one.
    if (event->type() == QEvent::KeyPress && !PageChecked && PageSize > 0 && !ed.isEmpty() &&
        watched == ed.first() && ed.first()->text().isEmpty() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
        ed[qMin(PageSize, int(ed.size())) - 1]->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return TTypedAnswerForm::eventFilter(watched, event);
}

} // namespace vz
