#include "odpoved_rules.h"

#include "../../exercise/example_drawer.h"

#include <QSet>
#include <algorithm>

namespace vz::odpoved {
namespace {

constexpr int kRowsPerColumn = 10;
constexpr int kRowPitch = 36;

struct Column {
    int labelLeft;
    int labelWidth;
    int markLeft;
};

// The columns of the summary page for one, two and three columns.
const QVector<Column>& columnsFor(int columnCount) {
    static const QVector<Column> one{{87, 466, 573}};
    static const QVector<Column> two{{19, 245, 282}, {347, 245, 605}};
    static const QVector<Column> three{{19, 150, 183}, {229, 150, 393}, {441, 150, 605}};
    return columnCount <= 1 ? one : columnCount == 2 ? two : three;
}

int columnCount(int count) {
    return qBound(1, (count + kRowsPerColumn - 1) / kRowsPerColumn, 3);
}

} // namespace

QuizExample makeExample(const QStringList& lines, int rightAt, bool swapWrong) {
    QuizExample example;
    example.Question = lines.value(0).trimmed();
    example.CorrectOption = qBound(1, rightAt, 3);
    QStringList wrong{lines.value(2).trimmed(), lines.value(3).trimmed()};
    if (swapWrong)
        wrong.swapItemsAt(0, 1);
    for (int k = 1; k <= 3; ++k)
        example.Options[k - 1] =
            k == example.CorrectOption ? lines.value(1).trimmed() : wrong.takeFirst();
    return example;
}

QuizExample dealExample(const QStringList& lines, QRandomGenerator& random) {
    const int rightAt = 1 + random.bounded(3);
    return makeExample(lines, rightAt, random.generateDouble() <= 0.5);
}

QVector<QuizExample> drawAllExamples(const QStringList& section, int count, const TLChSet& used,
                                     TLChSet& page, const QString& sectionName,
                                     QRandomGenerator& random) {
    ExampleDrawer drawer(section, kLinesPerExample, &random);
    QVector<QuizExample> examples;
    for (int index : drawer.drawPage(count, used, page, sectionName)) {
        QStringList lines = drawer.exampleLines(index);
        lines[0].remove(0, 1); // the drawer's "#"
        examples << dealExample(lines, random);
    }
    return examples;
}

QVector<int> questionsOnPage(const QVector<QuizExample>& examples, int page) {
    QVector<int> indices;
    for (int i = (page - 1) * kQuestionsPerPage;
         i < page * kQuestionsPerPage && i < examples.size(); ++i) {
        if (i >= 0)
            indices << i;
    }
    return indices;
}

bool pageAnswered(const QVector<QuizExample>& examples, int page) {
    const QVector<int> shown = questionsOnPage(examples, page);
    return !shown.isEmpty() && std::all_of(shown.cbegin(), shown.cend(), [&examples](int i) {
        return examples[i].ChosenOption != 0;
    });
}

ReviewMarks reviewMarks(const QuizExample& example) {
    ReviewMarks marks;
    marks.right = isRight(example);
    marks.choiceMark = example.CorrectOption;
    if (!marks.right && example.ChosenOption >= 1 && example.ChosenOption <= 3)
        marks.wrongChoiceMark = example.ChosenOption;
    return marks;
}

SummaryRow summaryRow(int count, int index) {
    const int columns = columnCount(count);
    const int column = qMin(index / kRowsPerColumn, columns - 1);
    const int k = index - column * kRowsPerColumn;
    const Column& c = columnsFor(columns)[column];
    return {QRect(c.labelLeft, 106 + kRowPitch * k, c.labelWidth, 20),
            QRect(c.markLeft, 100 + kRowPitch * k, 32, 32)};
}

QString summaryBackground(int count) {
    switch (columnCount(count)) {
    case 1:
        return QStringLiteral("bmp\\sum_10.bmp");
    case 2:
        return QStringLiteral("bmp\\sum_20.bmp");
    default:
        return QStringLiteral("bmp\\sum_30.bmp");
    }
}

QRect summaryCover(int count) {
    const int columns = columnCount(count);
    if (columns == 1 || count >= columns * kRowsPerColumn)
        return {};
    return columns == 2 ? QRect(330, 279, 304, 178) : QRect(427, 279, 208, 178);
}

QString shortened(const QString& text, int width,
                  const std::function<int(const QString&)>& measure) {
    QString result = text;
    while (measure(result) > width && !result.isEmpty())
        result = result.left(qMax(0, int(result.size()) - 4)) + QStringLiteral("...");
    return result;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    const auto fault = [&problems](int line, const QString& what) {
        problems.append(ContentProblem{line, what});
    };
    if (body.size() % kLinesPerExample != 0)
        fault(int(body.size()) - 1, QStringLiteral("an example is a question and three replies, "
                                                   "the suitable one first"));
    content::RepeatFinder repeats;
    for (int i = 0; i + kLinesPerExample <= body.size(); i += kLinesPerExample) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue; // an example left out
        if (body[i].trimmed().isEmpty())
            fault(i, QStringLiteral("the question is empty"));
        else
            repeats.check(i, content::sameness(body[i]), problems);
        QSet<QString> replies;
        for (int k = i + 1; k < i + kLinesPerExample; ++k) {
            const QString reply = body[k].trimmed();
            if (reply.isEmpty())
                fault(k, QStringLiteral("the reply is empty"));
            else if (reply.startsWith(QLatin1Char('#')) || reply.startsWith(QLatin1Char('[')))
                fault(k, QStringLiteral("a reply cannot begin with \"#\" or \"[\""));
            else if (replies.contains(content::sameness(reply)))
                fault(k, QStringLiteral("the reply stands twice in the example"));
            replies.insert(content::sameness(reply));
        }
    }
    return problems;
}

} // namespace vz::odpoved
