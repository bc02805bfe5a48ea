#include "typed_answer_form.h"

#include "../app/cursors.h"
#include "../controls/align_edit.h"
#include "../controls/fonts.h"
#include "../controls/letter_buttons.h"

#include <QKeyEvent>

namespace vz {

TTypedAnswerForm::TTypedAnswerForm(QWidget* stage) : TExerciseForm(stage) {
    edCaret = new QLineEdit(this);
    edCaret->setObjectName(QStringLiteral("edCaret"));
    edCaret->setGeometry(24, 72, 41, 0);
    edCaret->setFrame(false);
    letters = new TLetterButtons(this);
}

TAlignEdit* TTypedAnswerForm::addField(int row, const QRect& geometry) {
    auto* field = new TAlignEdit(this);
    field->setObjectName(QStringLiteral("ed%1").arg(row));
    field->setGeometry(geometry);
    field->setAlignment(TAlignEdit::TextAlignment::Centre);
    field->setFrame(false);
    field->setFont(screenFont(16));
    field->AutoSelect = false;
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, QColor(255, 236, 182));
    colours.setColor(QPalette::Text, Qt::black);
    field->setPalette(colours);
    field->setCursor(programCursor(kHandCursor));
    field->installEventFilter(this);
    if (!ed.isEmpty())
        setTabOrder(ed.last(), field);
    ed << field;
    return field;
}

void TTypedAnswerForm::openFields(int rows) {
    for (int r = 1; r <= ed.size(); ++r) {
        TAlignEdit* field = ed[r - 1];
        field->clear();
        field->setReadOnly(false);
        field->setCursor(programCursor(kHandCursor));
        field->setVisible(r <= rows);
    }
    letters->setEnabled(true);
    if (!ed.isEmpty())
        ed.first()->setFocus(Qt::OtherFocusReason);
}

QString TTypedAnswerForm::answerText(int row) const {
    return ed.value(row - 1) ? ed[row - 1]->text() : QString();
}

void TTypedAnswerForm::setAnswersActive(bool active) {
    for (TAlignEdit* field : ed) {
        field->setReadOnly(!active);
        field->setCursor(programCursor(active ? kHandCursor : kArrowCursor));
    }
    letters->setEnabled(active);
    if (!active)
        edCaret->setFocus(Qt::OtherFocusReason);
}

void TTypedAnswerForm::takeFocus() {
    if (isPausing()) {
        TExerciseForm::takeFocus();
        return;
    }
    QWidget* last = focusWidget();
    if (last && last->isVisible() && last->isEnabled())
        last->setFocus(Qt::OtherFocusReason);
    else
        edCaret->setFocus(Qt::OtherFocusReason);
}

bool TTypedAnswerForm::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<TAlignEdit*>(watched);
    if (!field)
        return TExerciseForm::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress && PageChecked) {
        edCaret->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    if (PageChecked) {
        edCaret->setFocus(Qt::OtherFocusReason);
        return true; // the checked page keeps its answers
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int index = int(ed.indexOf(field));
    if (key->key() == Qt::Key_Backspace && field->text().isEmpty() && index > 0) {
        ed[index - 1]->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

} // namespace vz
