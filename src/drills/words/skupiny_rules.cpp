#include "skupiny_rules.h"

#include "../../exercise/answer_text.h"
#include "../../store/app_error.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace vz::skupiny {
namespace {

// The index of the group header a sentence line belongs to; -1 for none.
int headerOf(const QStringList& section, int line) {
    for (int i = line - 1; i >= 0; --i) {
        const QString text = section[i].trimmed();
        if (!text.startsWith(QLatin1Char('@')) && !text.startsWith(QLatin1Char('#')))
            return i;
    }
    return -1;
}

} // namespace

OddRow parseExample(const QString& headerLine, const QString& sentenceLine) {
    OddRow row;
    const QStringList fields = headerLine.trimmed().split(QLatin1Char('|'));
    for (int k = 0; k < 4; ++k)
        row.words[k] = fields.value(k).trimmed();
    row.oddWord = row.words[0];
    const QString sentence = sentenceLine.trimmed().mid(1);
    const qsizetype bar = sentence.indexOf(QLatin1Char('|'));
    const qsizetype hash = sentence.indexOf(QLatin1Char('#'), bar + 1);
    row.textBefore = sentence.left(bar).trimmed();
    row.textAfter = sentence.mid(bar + 1, hash - bar - 1).trimmed();
    row.blankWord = hash < 0 ? QString() : sentence.mid(hash + 1).trimmed();
    return row;
}

int groupCount(const QStringList& section) {
    QSet<int> groups;
    for (int i = 0; i < section.size(); ++i) {
        if (isSentenceLine(section[i]) && headerOf(section, i) >= 0)
            groups.insert(headerOf(section, i));
    }
    return int(groups.size());
}

QVector<OddRow> dealPage(const QStringList& section, int count, const TLChSet& used, TLChSet& page,
                         QRandomGenerator& random, const QString& sectionName) {
    struct Candidate {
        int line;
        int header;
    };
    QVector<Candidate> fresh;
    QVector<Candidate> repeatable;
    for (int i = 0; i < section.size(); ++i) {
        if (!isSentenceLine(section[i]))
            continue;
        const int header = headerOf(section, i);
        if (header >= 0)
            (used.Contains(i) ? repeatable : fresh).append({i, header});
    }
    if (fresh.size() + repeatable.size() < count)
        throw cannotOpen(sectionName, QStringLiteral("too few examples for a page"));

    QVector<OddRow> rows;
    QSet<int> groupsOnPage;
    while (rows.size() < count) {
        QVector<Candidate>& pool = fresh.isEmpty() ? repeatable : fresh;
        // A group's four words appear once on a page when the section allows.
        QVector<int> choices;
        for (int k = 0; k < pool.size(); ++k) {
            if (!groupsOnPage.contains(pool[k].header))
                choices << k;
        }
        const int pick = choices.isEmpty() ? random.bounded(int(pool.size()))
                                           : choices[random.bounded(int(choices.size()))];
        const Candidate chosen = pool.takeAt(pick);
        groupsOnPage.insert(chosen.header);
        page.Add(chosen.line);
        OddRow row = parseExample(section[chosen.header], section[chosen.line]);
        for (int swap = 0; swap < 5; ++swap) {
            const int a = random.bounded(4);
            int b = random.bounded(4);
            while (b == a)
                b = random.bounded(4);
            std::swap(row.words[a], row.words[b]);
        }
        rows << row;
    }
    return rows;
}

bool isRight(const OddRow& row, const QString& crossedWord, const QString& blankText) {
    return answers::foldAtoZ(crossedWord.trimmed()) == answers::foldAtoZ(row.oddWord) &&
           !blankText.isEmpty() && blankText == row.blankWord;
}

QString answerFirstLine(const OddRow& row) {
    return QStringLiteral("Do radu nepatrí: '") + row.oddWord + QLatin1Char('\'');
}

QString answerSecondLine(const OddRow& row) {
    if (row.textBefore.isEmpty())
        return row.blankWord + QLatin1Char(' ') + row.textAfter;
    return row.textBefore + QLatin1Char(' ') + row.blankWord + QLatin1Char(' ') + row.textAfter;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    const auto fault = [&problems](int line, const QString& what) {
        problems.append(ContentProblem{line, what});
    };
    content::RepeatFinder repeatedGroups;
    content::RepeatFinder repeatedSentences;
    int header = -1;
    int sentences = 0;
    for (int i = 0; i <= body.size(); ++i) {
        const QString line = i < body.size() ? body[i].trimmed() : QString();
        if (i < body.size() && line.startsWith(QLatin1Char('#')))
            continue;
        if (i < body.size() && line.startsWith(QLatin1Char('@'))) {
            if (header < 0) {
                fault(i, QStringLiteral("a sentence line before any group"));
                continue;
            }
            const OddRow row = parseExample(body[header], line);
            if (!line.contains(QLatin1Char('|')) || !line.contains(QLatin1Char('#')) ||
                (row.textBefore.isEmpty() && row.textAfter.isEmpty()))
                fault(i, QStringLiteral("a sentence line is \"@before|after#blank\""));
            else if (row.blankWord == row.oddWord ||
                     std::find(row.words.begin() + 1, row.words.end(), row.blankWord) ==
                         row.words.end())
                fault(i, QStringLiteral("the blank word is not one of the three that belong"));
            repeatedSentences.check(i, content::sameness(line), problems);
            ++sentences;
            continue;
        }
        if (header >= 0 && sentences == 0)
            fault(header, QStringLiteral("a group without a sentence"));
        if (i == body.size())
            break;
        header = i;
        sentences = 0;
        const QStringList words = line.split(QLatin1Char('|'));
        QSet<QString> distinct;
        for (const QString& word : words)
            distinct.insert(word.trimmed());
        if (words.size() != 4 || distinct.size() != 4 || distinct.contains(QString()))
            fault(i, QStringLiteral("a group line is four different words \"odd|w2|w3|w4\""));
        QStringList sorted(distinct.begin(), distinct.end());
        sorted.sort();
        repeatedGroups.check(i, sorted.join(QLatin1Char('|')).toLower(), problems);
    }
    return problems;
}

} // namespace vz::skupiny
