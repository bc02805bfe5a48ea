#pragma once

#include "exercise_form.h"

#include <QLineEdit>

namespace vz {

class TAlignEdit;
class TLetterButtons;

// An exercise form whose rows are answered by typing: answer fields in tab
// order, the five letter buttons, and the keyboard rules every such drill
// shares. Enter moves to the next field, Backspace in an empty field to the
// previous one; once the page is checked the fields take no more input and
// the caret waits in an invisible field out of the way.
class TTypedAnswerForm : public TExerciseForm {
    Q_OBJECT
public:
    explicit TTypedAnswerForm(QWidget* stage);

    QVector<TAlignEdit*> ed; // the answer fields, row 1 at index 0
    QLineEdit* edCaret;
    TLetterButtons* letters;

protected:
    // Adds the answer field of row `row` (rows are added in order).
    TAlignEdit* addField(int row, const QRect& geometry);
    // Empties the first `rows` fields for a new page, shows them, hides the
    // others, enables the letter buttons and puts the caret into the first field.
    void openFields(int rows);
    // The pupil's answer in row `row` as typed.
    QString answerText(int row) const;

    void setAnswersActive(bool active) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void takeFocus() override;
};

} // namespace vz
