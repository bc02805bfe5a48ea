#pragma once

#include "../../exercise/typed_answer_form.h"

#include <QPoint>
#include <array>

namespace vz {

class TClickLabel;

// What the two listening drills share: a loudspeaker per row that plays the
// row's wave file while the page is open, answer fields typed from what was
// heard, ten rows or five (then the lower half covered), counted at dealing.
// The marks carry no tool-tip here.
class TListeningForm : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TListeningForm(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = 10;
    std::array<TClickLabel*, kRows> Label{}; // the loudspeakers
    QWidget* zakryti = nullptr;

protected:
    // The wave file of row `row`, as a resource name.
    virtual QString soundOf(int row) const = 0;

    void addLoudspeaker(int row, const QRect& geometry);
    // The cover of rows 6 ... 10; made after the marks, whose tool-tips it keeps off.
    void addCover(const QRect& geometry);
    // Empties and opens the fields of the first `rows` rows, with their loudspeakers.
    void openRows(int rows);

    void DealNextPage() override;
    void setAnswersActive(bool active) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void countPage();
    void ReprClick(int row);
};

} // namespace vz
