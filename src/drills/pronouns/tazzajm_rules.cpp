#include "tazzajm_rules.h"

#include "../../exercise/answer_text.h"
#include "../../store/app_error.h"

#include <QSet>

namespace vz::tazzajm {
namespace {

bool isQuestion(const QString& line) {
    return line.startsWith(QLatin1Char('@'));
}

bool isHeader(const QString& line) {
    return !line.isEmpty() && !isQuestion(line) && !line.startsWith(QLatin1Char('#'));
}

// For every line the index of the group header it belongs to; -1 before the first.
QVector<int> headersOf(const QStringList& section) {
    QVector<int> headers(section.size(), -1);
    int header = -1;
    for (int i = 0; i < section.size(); ++i) {
        if (isHeader(section[i]))
            header = i;
        headers[i] = header;
    }
    return headers;
}

// The part numbers of a header ("&N..." tokens), in order.
QVector<int> partsOf(const QString& header) {
    QVector<int> parts;
    for (const QString& token : header.trimmed().split(QLatin1Char('|'))) {
        if (token.startsWith(QLatin1Char('&')))
            parts << (token.size() > 1 && token[1].isDigit() ? token[1].digitValue() : -1);
    }
    return parts;
}

QString headerFault(const QString& header) {
    const QStringList tokens = header.trimmed().split(QLatin1Char('|'));
    bool askable = false;
    for (const QString& token : tokens) {
        if (token.trimmed().isEmpty())
            return QStringLiteral("a statement has an empty part");
        if (!token.startsWith(QLatin1Char('&')))
            continue;
        askable = true;
        if (token.size() < 3 || !token[1].isDigit() || token.mid(2).trimmed().isEmpty())
            return QStringLiteral("a part asked about is \"&N text\"");
    }
    const QVector<int> parts = partsOf(header);
    if (QSet<int>(parts.begin(), parts.end()).size() != parts.size())
        return QStringLiteral("two parts of a statement have the same number");
    return askable ? QString() : QStringLiteral("a statement has no part to ask about");
}

QString questionFault(const QString& header, const QString& line) {
    const QuestionRow row = parseExample(header, line);
    if (line.size() < 4 || !line[1].isDigit() || line.count(QLatin1Char('|')) != 1 ||
        row.questionWord.isEmpty() || row.questionRest.isEmpty())
        return QStringLiteral("a question line is \"@N word|rest of the question\"");
    if (!partsOf(header).contains(row.askedPart))
        return QStringLiteral("the question asks about a part the statement does not mark");
    return {};
}

} // namespace

QuestionRow parseExample(const QString& headerLine, const QString& questionLine) {
    QuestionRow row;
    row.statement = headerLine.trimmed();
    row.askedPart = questionLine.size() > 1 ? questionLine[1].digitValue() : -1;
    const QString question = questionLine.mid(3);
    const qsizetype bar = question.indexOf(QLatin1Char('|'));
    row.questionWord = question.left(bar).trimmed();
    row.questionRest = bar < 0 ? QString() : question.mid(bar + 1).trimmed();
    return row;
}

QVector<StatementToken> statementTokens(const QuestionRow& row) {
    static const QString punctuation = QStringLiteral("!,.?");
    QVector<StatementToken> result;
    for (const QString& token : row.statement.split(QLatin1Char('|'))) {
        StatementToken piece;
        piece.attached = !token.isEmpty() && punctuation.contains(token.front());
        if (token.startsWith(QLatin1Char('&'))) {
            piece.text = token.mid(2);
            piece.asked = token.size() > 1 && token[1].digitValue() == row.askedPart;
        } else {
            piece.text = token;
        }
        result << piece;
    }
    return result;
}

QVector<QuestionRow> dealPage(const QStringList& section, int count, const TLChSet& used,
                              TLChSet& page, QRandomGenerator& random, const QString& sectionName) {
    const QVector<int> headers = headersOf(section);
    QVector<int> fresh;
    QVector<int> repeatable;
    for (int i = 0; i < section.size(); ++i) {
        if (isQuestion(section[i]) && headers[i] >= 0)
            (used.Contains(i) ? repeatable : fresh) << i;
    }
    if (fresh.size() + repeatable.size() < count)
        throw cannotOpen(sectionName, QStringLiteral("too few examples for a page"));

    QVector<QuestionRow> rows;
    QSet<int> statementsOnPage;
    while (rows.size() < count) {
        QVector<int>& pool = fresh.isEmpty() ? repeatable : fresh;
        QVector<int> choices; // positions in the pool of questions about another statement
        for (int k = 0; k < pool.size(); ++k) {
            if (!statementsOnPage.contains(headers[pool[k]]))
                choices << k;
        }
        const int pick = choices.isEmpty() ? random.bounded(int(pool.size()))
                                           : choices[random.bounded(int(choices.size()))];
        const int line = pool.takeAt(pick);
        statementsOnPage.insert(headers[line]);
        page.Add(line);
        rows << parseExample(section[headers[line]], section[line]);
    }
    return rows;
}

bool isRight(const QuestionRow& row, const QString& typed) {
    const QString given = typed.trimmed();
    return !given.isEmpty() && answers::foldAtoZ(given) == answers::foldAtoZ(row.questionWord);
}

int exampleCount(const QStringList& body) {
    int questions = 0;
    for (const QString& line : body)
        questions += isQuestion(line) ? 1 : 0;
    return questions;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    const auto fault = [&problems](int line, const QString& what) {
        if (!what.isEmpty())
            problems.append(ContentProblem{line, what});
    };
    content::RepeatFinder statements;
    content::RepeatFinder questions;
    int header = -1;
    int asked = 0;
    for (int i = 0; i <= body.size(); ++i) {
        const QString line = i < body.size() ? body[i] : QString();
        if (i < body.size() && line.startsWith(QLatin1Char('#')))
            continue;
        if (i < body.size() && isQuestion(line)) {
            if (header < 0) {
                fault(i, QStringLiteral("a question before any statement"));
                continue;
            }
            fault(i, questionFault(body[header], line));
            // Two questions about one part of a statement are the same example.
            questions.check(i, QString::number(header) + QLatin1Char('/') + line.mid(1, 1),
                            problems);
            ++asked;
            continue;
        }
        if (header >= 0 && asked == 0)
            fault(header, QStringLiteral("a statement without a question"));
        if (i == body.size())
            break;
        header = i;
        asked = 0;
        fault(i, headerFault(line));
        QuestionRow statement;
        statement.statement = line.trimmed();
        QStringList shown;
        for (const StatementToken& piece : statementTokens(statement))
            shown << piece.text;
        statements.check(i, content::sameness(shown.join(QLatin1Char(' '))), problems);
    }
    return problems;
}

} // namespace vz::tazzajm
