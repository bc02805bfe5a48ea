#include "typed_rules.h"

#include "../../exercise/answer_text.h"
#include "../../store/app_error.h"

namespace vz {
namespace {

QString field(const QString& line, int index) {
    return line.section(QLatin1Char('|'), index, index).trimmed();
}

QString afterFirstBar(const QString& line) {
    return line.section(QLatin1Char('|'), 1).trimmed();
}

void fault(ContentProblems& problems, int line, const QString& what) {
    problems.append(ContentProblem{line, what});
}

} // namespace

namespace vzor {

VzorRow parseExample(const QString& sentenceLine, const QString& answerLine) {
    return {field(sentenceLine, 0), field(sentenceLine, 1), field(answerLine, 0),
            afterFirstBar(answerLine)};
}

bool isRight(const VzorRow& row, const QString& typed) {
    return !row.answer.isEmpty() && typed.trimmed() == row.answer;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    if (body.size() % kLinesPerExample != 0)
        fault(problems, int(body.size()) - 1, QStringLiteral("an example needs two lines"));
    content::RepeatFinder repeats;
    for (int i = 0; i + 1 < body.size(); i += kLinesPerExample) {
        if (!content::hasFields(body[i], 2)) {
            fault(problems, i, QStringLiteral("a sentence line is \"text before|text after\""));
            continue;
        }
        if (!content::hasFields(body[i + 1], 2)) {
            fault(problems, i + 1, QStringLiteral("an answer line is \"shown form|answer\""));
            continue;
        }
        const VzorRow row = parseExample(body[i], body[i + 1]);
        if (row.shown.isEmpty() || row.answer.isEmpty())
            fault(problems, i + 1, QStringLiteral("the shown form or the answer is empty"));
        if (row.before.isEmpty() && row.after.isEmpty())
            fault(problems, i, QStringLiteral("the sentence is empty"));
        repeats.check(i, content::sameness(row.before + QLatin1Char('|') + row.after), problems);
    }
    return problems;
}

} // namespace vzor

namespace perf {

PerfRow parseExample(const QString& line) {
    return {field(line, 0), afterFirstBar(line)};
}

bool isRight(const PerfRow& row, const QString& typed) {
    const QString given = typed.trimmed();
    return !given.isEmpty() && answers::foldAtoZ(given) == answers::foldAtoZ(row.answer);
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    for (int i = 0; i < body.size(); ++i) {
        const PerfRow row = parseExample(body[i]);
        if (!content::hasFields(body[i], 2) || row.shown.isEmpty() || row.answer.isEmpty())
            fault(problems, i, QStringLiteral("a line is \"shown word|answer\""));
        else if (row.answer.contains(QLatin1Char('/')))
            fault(problems, i, QStringLiteral("the answer is typed whole: no \"/\" alternatives"));
        repeats.check(i, content::sameness(row.shown), problems);
    }
    return problems;
}

} // namespace perf

namespace rozkaz {

RozkazRow parseExample(const QStringList& lines) {
    const QString scene = lines.value(0);
    RozkazRow row;
    row.speaker = field(scene, 0).compare(QLatin1String("M"), Qt::CaseInsensitive) == 0;
    row.situation = afterFirstBar(scene);
    row.before = field(lines.value(1), 0);
    row.after = afterFirstBar(lines.value(1));
    row.answer = lines.value(2).trimmed();
    return row;
}

QString namesSectionHeader(int group, QChar letter, QChar placeholder) {
    return QStringLiteral("[%1%2-%3]").arg(group).arg(letter).arg(placeholder);
}

PersonName parseName(const QString& line) {
    return {line.left(1).compare(QLatin1String("F"), Qt::CaseInsensitive) == 0, line.mid(2)};
}

namespace {

// Draws an unused name of the list and marks it used for this page.
PersonName drawName(QStringList& names, QRandomGenerator& random) {
    QVector<int> free;
    for (int i = 0; i < names.size(); ++i) {
        if (!names[i].startsWith(QLatin1Char('#')))
            free << i;
    }
    if (free.isEmpty())
        throw cannotOpen(QStringLiteral("[1e] names"), QStringLiteral("too few names for a page"));
    const int index = free[random.bounded(int(free.size()))];
    const PersonName person = parseName(names[index]);
    names[index].prepend(QLatin1Char('#'));
    return person;
}

void replaceFirst(QString& text, QChar placeholder, const QString& name) {
    const qsizetype at = text.indexOf(placeholder);
    if (at >= 0)
        text.replace(at, 1, name);
}

} // namespace

QVector<ScenePicture> fillNames(RozkazRow& row, QStringList& children, QStringList& grandparents,
                                QRandomGenerator& random) {
    QVector<ScenePicture> pictures;
    const auto fill = [&](QChar placeholder, QStringList& names, ScenePicture::Kind male,
                          ScenePicture::Kind female) {
        while (row.situation.contains(placeholder)) {
            const PersonName person = drawName(names, random);
            replaceFirst(row.situation, placeholder, person.name);
            replaceFirst(row.before, placeholder, person.name);
            replaceFirst(row.after, placeholder, person.name);
            pictures.append({person.female ? female : male, !pictures.isEmpty()});
        }
    };
    fill(QLatin1Char('$'), children, ScenePicture::Boy, ScenePicture::Girl);
    fill(QLatin1Char('%'), grandparents, ScenePicture::Grandfather, ScenePicture::Grandmother);
    if (row.speaker)
        pictures.append({ScenePicture::Speaker, !pictures.isEmpty()});
    return pictures;
}

bool isRight(const RozkazRow& row, const QString& typed) {
    return answers::matchesOneOf(typed, row.answer, false);
}

QString answerSentence(const RozkazRow& row) {
    return answers::sentenceWithAnswer(row.before, row.answer, row.after);
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    if (body.size() % kLinesPerExample != 0)
        fault(problems, int(body.size()) - 1, QStringLiteral("an example needs three lines"));
    content::RepeatFinder repeats;
    for (int i = 0; i + 2 < body.size(); i += kLinesPerExample) {
        if (!content::hasFields(body[i], 2) || !content::hasFields(body[i + 1], 2)) {
            fault(problems, i,
                  QStringLiteral("an example is \"marker|situation\", "
                                 "\"text before|text after\" and the answer"));
            continue;
        }
        const RozkazRow row = parseExample(body.mid(i, kLinesPerExample));
        if (row.situation.isEmpty())
            fault(problems, i, QStringLiteral("the situation is empty"));
        const auto people = [](const QString& text) {
            return text.count(QLatin1Char('$')) + text.count(QLatin1Char('%'));
        };
        const qsizetype inScene = people(row.situation);
        if (inScene + (row.speaker ? 1 : 0) > kPeoplePerScene)
            fault(problems, i, QStringLiteral("a scene shows two pictures at the most"));
        // A name in the sentence is the name of the situation: the same kind must be there.
        for (QChar placeholder : {QLatin1Char('$'), QLatin1Char('%')}) {
            const QString sentence = row.before + row.after;
            if (sentence.count(placeholder) > row.situation.count(placeholder))
                fault(problems, i + 1,
                      QStringLiteral("the sentence names someone the situation does not"));
        }
        const QStringList forms = answers::alternatives(row.answer);
        if (forms.contains(QString()))
            fault(problems, i + 2, QStringLiteral("an accepted form is empty"));
        repeats.check(i, content::sameness(row.situation), problems);
    }
    return problems;
}

ContentProblems checkNames(const QStringList& body) {
    ContentProblems problems;
    // A page of five scenes may name two people of one kind in each.
    constexpr int kNamesAPageMayNeed = kPageSize * kPeoplePerScene;
    if (body.size() < kNamesAPageMayNeed)
        fault(problems, -1, QStringLiteral("a name list needs %1 names").arg(kNamesAPageMayNeed));
    content::RepeatFinder repeats;
    for (int i = 0; i < body.size(); ++i) {
        if (body[i].size() < 3 || body[i][1].isLetterOrNumber() || body[i].startsWith('#'))
            fault(problems, i,
                  QStringLiteral("a name line is a gender letter, a separator and the name"));
        repeats.check(i, content::sameness(body[i].mid(2)), problems);
    }
    return problems;
}

} // namespace rozkaz
} // namespace vz
