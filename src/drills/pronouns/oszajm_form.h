#pragma once

#include "../../exercise/typed_answer_form.h"
#include "oszajm_rules.h"

#include <array>

namespace vz {

class TDrawingTools;
class TWordLabel;

// Error drill (games 2a and 4b): each row shows a sentence that is right or
// holds one wrong word. The pupil says with the switch whether there is an
// error; if there is, underlines the wrong word with the pencil and types
// the right one. The eraser takes an underline back.
class TwndOsZajm : public TTypedAnswerForm {
    Q_OBJECT
public:
    explicit TwndOsZajm(QWidget* stage);

    void StartExercise() override;

    static constexpr int kRows = 10;
    std::array<TExtImage*, kRows> Prep{}; // the switches
    QWidget* zakryti;
    TDrawingTools* tools;

    const ErrorRow& row(int r) const { return rows[r - 1]; }
    ErrorSwitch switchState(int r) const { return switches[r - 1]; }
    // The labels of a row's words and punctuation marks, in screen order,
    // with what each shows.
    const QVector<TWordLabel*>& words(int r) const { return labels[r - 1]; }
    const QVector<SentenceToken>& tokens(int r) const { return shownTokens[r - 1]; }
    bool isUnderlined(int r, int k) const { return Tag[r - 1].value(k) == 1; }

protected:
    void DealPage() override;
    void DealNextPage() override;
    bool judgeRow(int r) override;
    QString correctAnswer(int r) const override;
    void showAnswer(int r, const TExtImage* mark) override;
    void hideAnswer() override;
    void setAnswersActive(bool active) override;

private:
    void countPage();
    void buildRow(int r);
    void PrepinacMouseDown(int r);
    void LabelClick(int r, int k);
    void drawUnderline(const QWidget* word, bool on);
    void updateCursors();

    QImage cleanBackground; // Background is the working copy with the underlines
    QImage switchYes;
    QImage switchNo;
    std::array<ErrorRow, kRows> rows;
    std::array<ErrorSwitch, kRows> switches{};
    std::array<QVector<TWordLabel*>, kRows> labels;
    // Every label a row has made; a new page reuses them and hides the rest,
    // since making and destroying eighty widgets took most of a deal.
    std::array<QVector<TWordLabel*>, kRows> wordPool;
    std::array<QVector<SentenceToken>, kRows> shownTokens;
    std::array<QVector<int>, kRows> Tag; // 0 a word, 1 underlined, -1 a punctuation mark
};

} // namespace vz
