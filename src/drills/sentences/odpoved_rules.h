#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>

namespace vz {

// One question of the answer drill: a question or statement and three
// replies, one of them suitable. Options count from 1; 0 is no reply.
struct QuizExample {
    QString Question;
    std::array<QString, 3> Options;
    int CorrectOption = 1;
    int ChosenOption = 0;

    const QString& option(int k) const { return Options[k - 1]; }
};

// The rules of the answer drill and its summary page, without widgets.
namespace odpoved {

// The question, the suitable reply and two replies that do not fit.
inline constexpr int kLinesPerExample = 4;
inline constexpr int kQuestionsPerPage = 2;
inline constexpr int kMaxQuestions = 30; // the summary page has room for 30 rows

// An example from its four lines (trimmed): the suitable reply goes to
// option `rightAt` (1 ... 3), the two others fill the free options in the
// order of their lines, or the other way round when `swapWrong`.
QuizExample makeExample(const QStringList& lines, int rightAt, bool swapWrong);

// An example with the suitable reply at a random place and the others in a
// random order.
QuizExample dealExample(const QStringList& lines, QRandomGenerator& random);

// Every question of a game at once, all different, drawn from the section;
// adds their indices to `page` (as far as it holds them). Raises "Cannot
// open file" (naming `sectionName`) when the section holds fewer usable
// examples than `count`.
QVector<QuizExample> drawAllExamples(const QStringList& section, int count, const TLChSet& used,
                                     TLChSet& page, const QString& sectionName,
                                     QRandomGenerator& random);

// A question is right when its reply is the suitable one; no reply is wrong.
inline bool isRight(const QuizExample& example) {
    return example.ChosenOption == example.CorrectOption;
}

// Pages of a questionnaire with `count` questions, two a page.
inline int pageCount(int count) {
    return (count + kQuestionsPerPage - 1) / kQuestionsPerPage;
}
// The page (from 1) that shows question `index` (from 0).
inline int pageOf(int index) {
    return index / kQuestionsPerPage + 1;
}
// The indices (from 0) of the questions on page `page`: one or two.
QVector<int> questionsOnPage(const QVector<QuizExample>& examples, int page);
// Every question of the page has a reply.
bool pageAnswered(const QVector<QuizExample>& examples, int page);

// What a question's page shows once the game is checked: the choice mark at
// the suitable reply, the mark of a wrong reply at the pupil's choice (0 when
// the reply was right or missing), and the right or wrong mark.
struct ReviewMarks {
    bool right = false;
    int choiceMark = 0;
    int wrongChoiceMark = 0;
};
ReviewMarks reviewMarks(const QuizExample& example);

// Where the summary page puts row `index` (from 0) of a game with `count`
// questions: up to ten rows a column, one column for 10, two for 15 and 20,
// three for 25 and 30.
struct SummaryRow {
    QRect label; // 20 high
    QRect mark;  // 32 x 32
};
SummaryRow summaryRow(int count, int index);
// The summary background for a count: "bmp\sum_10.bmp", "bmp\sum_20.bmp" or "bmp\sum_30.bmp".
QString summaryBackground(int count);
// The cover over the empty lower half of a last column, or an empty rect when
// every column is full.
QRect summaryCover(int count);

// A question shortened to fit its row: while it is wider than `width`, it
// loses its last four characters and gets "..." instead (so each pass takes
// one more character of the question).
QString shortened(const QString& text, int width,
                  const std::function<int(const QString&)>& measure);

// The faults of a section: an example cut short, an empty question or reply,
// a reply that begins with "#", two equal replies, a repeated question.
ContentProblems checkExamples(const QStringList& body);

} // namespace odpoved
} // namespace vz
