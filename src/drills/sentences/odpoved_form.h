#pragma once

#include "../../exercise/exercise_form.h"
#include "odpoved_rules.h"

#include <QLabel>
#include <QPointer>
#include <array>

namespace vz {

class TExtImage;
class TWordLabel;
class TwndOdpovedSum;

// Suitable answer drill (game 5b): every question of the game is drawn at
// once and shown two a page like a questionnaire; the pupil clicks one of
// three replies to each and pages on. The whole game is checked on the
// summary page, which can reopen any page; this form has no check button.
class TwndOdpoved : public TExerciseForm {
    Q_OBJECT
public:
    explicit TwndOdpoved(QWidget* stage);
    ~TwndOdpoved() override;

    // Draws a fresh set of questions, prepares the summary and shows page 1.
    void StartExercise() override;
    void ShowQuizPage(int page);
    // Replies react (hand cursor) only until the game is checked.
    void setRepliesOpen(bool open);
    // Puts the marks of a checked game on the page's question `q` (1 or 2).
    void showReviewMarks(int q);

    QVector<QuizExample> Examples;
    int CurrentPage = 1;
    bool Reviewing = false;

    std::array<QLabel*, 2> Veta{};
    std::array<std::array<TWordLabel*, 3>, 2> Odp{}; // Odp[q - 1][k - 1]: reply k of question q
    std::array<TExtImage*, 6> img{};                 // choice marks, img1 ... img6
    QWidget* Zakryti = nullptr;
    TwndOdpovedSum* summary() const;

    static const QColor kChosenReply; // the bar behind a chosen reply's white text

protected:
    // New: a fresh draw from page 1, unless the game has been checked.
    void DealPage() override;
    bool judgeRow(int) override { return false; } // judged on the summary page
    QString correctAnswer(int q) const override;
    void setAnswersActive(bool) override {}

private:
    int exampleOf(int q) const { return 2 * (CurrentPage - 1) + q - 1; }
    bool hasQuestion(int q) const { return exampleOf(q) < Examples.size(); }
    void fillQuestion(int q);
    void markReply(int q, int chosen);
    void setReplyLook(int q, int k, bool white);
    void OdpovedClick(int q, int k);
    void PokrClick();
    void showSummary();

    QImage ChoiceMark;
    QImage WrongChoiceMark;
    QPointer<TwndOdpovedSum> Summary;
    bool repliesOpen = true;
};

} // namespace vz
