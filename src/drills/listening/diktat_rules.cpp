#include "diktat_rules.h"

#include "../../exercise/example_drawer.h"

#include <QRegularExpression>
#include <QSet>

namespace vz::diktat {
namespace {

bool isMark(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('!') ||
           c == QLatin1Char('?');
}

// Longer sentences do not fit the answer field at its font.
constexpr int kLongestSentence = 60;

QString lineProblem(const QString& line) {
    static const QRegularExpression soundName(QStringLiteral("^[a-z0-9_]+$"));
    // Letters, single spaces and the marks the normaliser knows; a digit, a
    // quote or an apostrophe would be spoken or judged in doubtful ways.
    static const QRegularExpression sentence(
        QStringLiteral("^\\p{Lu}\\p{L}*(( |-|, )\\p{L}+)*[.!?]$"));
    if (!content::hasFields(line, 2))
        return QStringLiteral("a line is \"soundname|Sentence.\"");
    const DiktatExample example = parseLine(line);
    if (!soundName.match(example.SoundName).hasMatch())
        return QStringLiteral("the sound name must be a lower-case file name (a-z, 0-9, _)");
    if (!sentence.match(example.Answer).hasMatch())
        return QStringLiteral("the sentence must be words with single spaces, commas, and "
                              "a final . ! or ?");
    if (example.Answer.size() > kLongestSentence)
        return QStringLiteral("the sentence is longer than %1 characters").arg(kLongestSentence);
    return {};
}

} // namespace

DiktatExample parseLine(const QString& line) {
    return {line.section(QLatin1Char('|'), 1).trimmed(),
            line.section(QLatin1Char('|'), 0, 0).trimmed()};
}

QString soundFile(const QString& soundName) {
    return QStringLiteral("sound\\dikt\\") + soundName + QStringLiteral(".wav");
}

QString NormalizeSentence(const QString& text) {
    QString s = text;
    qsizetype i = 1; // s[i] is looked at with the character before it
    while (i < s.size()) {
        const QChar c = s[i];
        const QChar p = s[i - 1];
        if (c == QLatin1Char(' ')) {
            if (p == QLatin1Char(' '))
                s.remove(i, 1);
            else
                ++i;
        } else if (isMark(c)) {
            if (p == QLatin1Char(' '))
                s.remove(i - 1, 1); // s[i] is now the character after the mark
            else
                ++i;
        } else {
            if (isMark(p))
                s.insert(i++, QLatin1Char(' '));
            ++i;
        }
    }
    return s;
}

QString judgedText(const QString& typed) {
    return NormalizeSentence(typed.trimmed());
}

bool isRight(const QString& typed, const DiktatExample& example) {
    return judgedText(typed) == example.Answer;
}

QVector<DiktatExample> dealPage(const QStringList& section, int size, const TLChSet& used,
                                TLChSet& page, QRandomGenerator& random,
                                const QString& sectionName) {
    ExampleDrawer drawer(section, kBlockLines, &random);
    const QVector<int> blocks = drawer.drawPage(size / kBlockLines, used, page, sectionName);
    QVector<DiktatExample> rows;
    for (int block : blocks) {
        for (int j = 0; j < kBlockLines; ++j)
            rows << parseLine(section[block + j]);
    }
    return rows;
}

int exampleCount(const QStringList& body) {
    int examples = 0;
    for (qsizetype block = 0; block + kBlockLines <= body.size(); block += kBlockLines)
        examples += body[block].startsWith(QLatin1Char('#')) ? 0 : kBlockLines;
    return examples;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    QSet<QString> soundNames;
    for (int i = 0; i < body.size(); ++i) {
        QString line = body[i];
        if (line.startsWith(QLatin1Char('#'))) {
            if (i % kBlockLines != 0)
                problems.append({i, QStringLiteral("only a block's first line may be commented "
                                                   "out (it hides the whole block)")});
            line.remove(0, 1);
        }
        const QString fault = lineProblem(line);
        if (!fault.isEmpty()) {
            problems.append({i, fault});
            continue;
        }
        const DiktatExample example = parseLine(line);
        if (soundNames.contains(example.SoundName))
            problems.append({i, QStringLiteral("the sound name is used twice")});
        soundNames.insert(example.SoundName);
        repeats.check(i, content::sameness(example.Answer), problems);
    }
    if (body.size() % kBlockLines != 0)
        problems.append({int(body.size()) - 1,
                         QStringLiteral("the section must hold whole blocks of five lines")});
    // A game of 30 sentences takes six blocks; one more keeps a game from repeating.
    if (exampleCount(body) < 7 * kBlockLines)
        problems.append({-1, QStringLiteral("a game needs at least 7 blocks of five sentences")});
    return problems;
}

} // namespace vz::diktat
