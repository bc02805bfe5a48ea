#include "pady_rules.h"

#include <QSet>

namespace vz::pady {
namespace {

QString spaced(const QString& option) {
    return QLatin1Char(' ') + option.trimmed() + QLatin1Char(' ');
}

} // namespace

CaseRow parseExample(const QString& sentenceLine, const QString& optionLine, bool rightOnLeft) {
    CaseRow row;
    row.TextBefore = sentenceLine.section(QLatin1Char('|'), 0, 0).trimmed();
    row.TextAfter = sentenceLine.section(QLatin1Char('|'), 1).trimmed();
    row.RightOption = spaced(optionLine.section(QLatin1Char('|'), 0, 0));
    row.OtherOption = spaced(optionLine.section(QLatin1Char('|'), 1));
    row.rightOnLeft = rightOnLeft;
    return row;
}

CaseRow dealRow(const QStringList& exampleLines, QRandomGenerator& random) {
    const QString options = exampleLines.value(1 + random.bounded(kOptionLines));
    return parseExample(exampleLines.value(0), options, random.generateDouble() >= 0.5);
}

bool isRight(const CaseRow& row, const QString& blankText) {
    const QString chosen = blankText.trimmed();
    return !chosen.isEmpty() && chosen == row.RightOption.trimmed();
}

bool startsWithPunctuation(const QString& text) {
    static const QString punctuation = QStringLiteral("!,.?");
    return !text.isEmpty() && punctuation.contains(text.front());
}

QString answerText(const CaseRow& row) {
    QString text = row.TextBefore + QLatin1Char(' ') + row.RightOption.trimmed();
    if (!row.TextAfter.isEmpty())
        text += (startsWithPunctuation(row.TextAfter) ? QString() : QStringLiteral(" ")) +
                row.TextAfter;
    return text.trimmed();
}

int examplesAfterPage(int examplesLeft) {
    return qMax(0, examplesLeft - kPageSize);
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    const auto fault = [&problems](int line, const QString& what) {
        problems.append(ContentProblem{line, what});
    };
    if (body.size() % kLinesPerExample != 0)
        fault(int(body.size()) - 1,
              QStringLiteral("an example is a sentence line and five option lines"));
    content::RepeatFinder repeats;
    for (int i = 0; i + kLinesPerExample <= body.size(); i += kLinesPerExample) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue; // a record left out
        if (!content::hasFields(body[i], 2)) {
            fault(i, QStringLiteral("a sentence line is \"text before|text after\""));
            continue;
        }
        const CaseRow sentence = parseExample(body[i], QString(), true);
        if (sentence.TextBefore.isEmpty() && sentence.TextAfter.isEmpty())
            fault(i, QStringLiteral("the sentence is empty"));
        repeats.check(i, content::sameness(body[i]), problems);
        QSet<QString> pairs;
        for (int k = i + 1; k < i + kLinesPerExample; ++k) {
            const CaseRow row = parseExample(body[i], body[k], true);
            const QString right = row.RightOption.trimmed();
            const QString other = row.OtherOption.trimmed();
            if (!content::hasFields(body[k], 2) || right.isEmpty() || other.isEmpty())
                fault(k, QStringLiteral("an option line is \"right form|wrong form\""));
            else if (right == other)
                fault(k, QStringLiteral("the wrong form equals the right one"));
            else if (pairs.contains(right))
                fault(k, QStringLiteral("the right form \"") + right +
                             QStringLiteral("\" stands twice in the example"));
            pairs.insert(right);
        }
    }
    return problems;
}

} // namespace vz::pady
