#include "oszajm_rules.h"

namespace vz::oszajm {
namespace {

const QString kPunctuation = QStringLiteral(",.?!");

bool startsToken(const QString& text, qsizetype at) {
    return at == 0 || text[at - 1] == QLatin1Char(' ');
}

bool endsToken(const QString& text, qsizetype at) {
    return at + 1 >= text.size() || text[at + 1] == QLatin1Char(' ') ||
           kPunctuation.contains(text[at + 1]);
}

// What is wrong with the shape of a line, or nothing.
QString shapeFault(const QString& line) {
    static const QString shape =
        QStringLiteral("a line is \"1 sentence with a <wrong> word|correction\" or \"0 sentence\"");
    if (line.size() < 3 || !line[0].isDigit() || line[1] != QLatin1Char(' '))
        return shape;
    const ErrorRow row = parseLine(line);
    const QString text = line.mid(2);
    const int bars = int(text.count(QLatin1Char('|')));
    const int opens = int(row.sentence.count(QLatin1Char('<')));
    const int closes = int(row.sentence.count(QLatin1Char('>')));
    if (!row.hasError) {
        if (bars || opens || closes)
            return QStringLiteral("a right sentence (\"0\") marks no wrong word");
        return row.sentence.isEmpty() ? shape : QString();
    }
    if (bars != 1 || opens != 1 || closes != 1 || row.correctWord.isEmpty())
        return shape;
    const qsizetype open = row.sentence.indexOf(QLatin1Char('<'));
    const qsizetype close = row.sentence.indexOf(QLatin1Char('>'));
    if (close < open || row.wrongWord.isEmpty() || row.wrongWord != row.wrongWord.simplified())
        return QStringLiteral("the wrong part \"<...>\" is empty or has spaces at its ends");
    for (QChar mark : kPunctuation) {
        if (row.wrongWord.contains(mark))
            return QStringLiteral("the wrong part holds a punctuation mark");
    }
    if (!startsToken(row.sentence, open) || !endsToken(row.sentence, close))
        return QStringLiteral("\"<\" and \">\" must enclose whole words");
    if (row.correctWord == row.wrongWord)
        return QStringLiteral("the correction equals the wrong part");
    return {};
}

} // namespace

ErrorRow parseLine(const QString& line) {
    ErrorRow row;
    row.hasError = line.startsWith(QLatin1Char('1'));
    const QString text = line.mid(2).trimmed();
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        row.sentence = text;
        return row;
    }
    row.sentence = text.left(bar).trimmed();
    row.correctWord = text.mid(bar + 1).trimmed();
    const qsizetype open = row.sentence.indexOf(QLatin1Char('<'));
    const qsizetype close = row.sentence.indexOf(QLatin1Char('>'), open + 1);
    if (open >= 0 && close > open)
        row.wrongWord = row.sentence.mid(open + 1, close - open - 1);
    return row;
}

QVector<SentenceToken> tokens(const QString& sentence) {
    QVector<SentenceToken> result;
    SentenceToken word;
    bool inside = false;
    const auto takeWord = [&result, &word] {
        if (!word.caption.isEmpty())
            result << word;
        word = SentenceToken{};
    };
    for (QChar c : sentence) {
        if (c == QLatin1Char('<')) {
            inside = true;
            word.wrong = true;
        } else if (c == QLatin1Char('>')) {
            inside = false;
        } else if (c == QLatin1Char(' ')) {
            takeWord();
        } else if (kPunctuation.contains(c)) {
            takeWord();
            result << SentenceToken{QString(c), true, inside};
        } else {
            word.caption += c;
            word.wrong = word.wrong || inside;
        }
    }
    takeWord();
    return result;
}

bool isRight(const ErrorRow& row, ErrorSwitch choice, const QVector<bool>& underlined,
             const QString& typed) {
    const bool switchRight = (choice == ErrorSwitch::Yes && row.hasError) ||
                             (choice == ErrorSwitch::No && !row.hasError);
    if (!switchRight || typed != row.correctWord)
        return false;
    // By place, not by text: the same word may stand twice in a sentence
    // ("Kommt ihr heute? Wir warten auf <ihr>."), and only one is wrong.
    const QVector<SentenceToken> shown = tokens(row.sentence);
    for (int k = 0; k < shown.size(); ++k) {
        if (underlined.value(k) != (shown[k].wrong && !shown[k].punctuation))
            return false;
    }
    return true;
}

QString answerFirstLine(const ErrorRow& row) {
    if (!row.hasError)
        return QStringLiteral("Vo vete nie je žiadna chyba.");
    return QStringLiteral("Vo vete je chyba. Nesprávne je slovo: ") + row.wrongWord;
}

QString answerSecondLine(const ErrorRow& row) {
    if (!row.hasError)
        return {};
    const qsizetype open = row.sentence.indexOf(QLatin1Char('<'));
    const qsizetype close = row.sentence.indexOf(QLatin1Char('>'), open + 1);
    if (open < 0 || close < 0)
        return row.sentence;
    return row.sentence.left(open) + row.correctWord + row.sentence.mid(close + 1);
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    for (int i = 0; i < body.size(); ++i) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue;
        const QString fault = shapeFault(body[i]);
        if (!fault.isEmpty())
            problems.append(ContentProblem{i, fault});
        // A corrected sentence that is another line's sentence is the same example.
        const ErrorRow row = parseLine(body[i]);
        repeats.check(i, content::sameness(row.hasError ? answerSecondLine(row) : row.sentence),
                      problems);
    }
    return problems;
}

} // namespace vz::oszajm
