#include "zpusob_rules.h"

#include "../../exercise/answer_text.h"

#include <QSet>

namespace vz::zpusob {
namespace {

// Only the letters a ... z change case; umlauts and accents stay as written.
QString capitalAZ(const QString& text) {
    return text.isEmpty() ? text : answers::foldAtoZ(text.left(1)) + text.mid(1);
}

} // namespace

const std::array<QString, kVerbCount>& verbs() {
    static const std::array<QString, kVerbCount> names{
        QStringLiteral("können"), QStringLiteral("müssen"), QStringLiteral("dürfen"),
        QStringLiteral("sollen"), QStringLiteral("wollen"), QStringLiteral("mögen")};
    return names;
}

const VerbForms& presentForms() {
    static const VerbForms forms{
        QStringList{"kann", "kannst", QStringLiteral("können"), QStringLiteral("könnt")},
        QStringList{"muss", "musst", QStringLiteral("müssen"), QStringLiteral("müsst")},
        QStringList{"darf", "darfst", QStringLiteral("dürfen"), QStringLiteral("dürft")},
        QStringList{"soll", "sollst", "sollen", "sollt"},
        QStringList{"will", "willst", "wollen", "wollt"},
        QStringList{"mag", "magst", QStringLiteral("mögen"), QStringLiteral("mögt")},
    };
    return forms;
}

QString formsSectionHeader(int group, QChar letter) {
    return QStringLiteral("[%1%2-slovesa]").arg(group).arg(letter);
}

ZpusobRow parseExample(const QString& sentenceLine, const QString& answerLine) {
    ZpusobRow row;
    QString rest = sentenceLine;
    if (const qsizetype hash = rest.indexOf(QLatin1Char('#')); hash >= 0) {
        row.note = rest.mid(hash + 1);
        rest.truncate(hash);
    }
    if (const qsizetype dollar = rest.indexOf(QLatin1Char('$')); dollar >= 0) {
        row.intro = rest.left(dollar);
        rest.remove(0, dollar + 1);
    }
    row.before = rest.section(QLatin1Char('|'), 0, 0).trimmed();
    row.after = rest.section(QLatin1Char('|'), 1).trimmed();
    row.answer = answerLine.section(QLatin1Char('|'), 1).trimmed();
    return row;
}

VerbForms parseVerbForms(const QStringList& body) {
    VerbForms forms;
    for (int verb = 0; verb < kVerbCount; ++verb) {
        const QStringList written = body.value(verb).mid(2).split(QLatin1Char('|'));
        for (int i = 0; i < kFormsPerVerb; ++i)
            forms[verb] << (i < written.size() ? written[i].trimmed() : QString());
    }
    return forms;
}

void shuffleForms(VerbForms& forms, QRandomGenerator& random) {
    for (QStringList& list : forms) {
        for (qsizetype i = list.size() - 1; i > 0; --i)
            list.swapItemsAt(i, random.bounded(int(i) + 1));
    }
}

bool startsSentence(const QString& before) {
    static const QString ends = QStringLiteral("!.?");
    return before.isEmpty() || ends.contains(before.back());
}

QString droppedText(const QString& form, const QString& before) {
    return startsSentence(before) ? capitalAZ(form) : form;
}

QStringList acceptedForms(const QString& answer) {
    QStringList forms = answers::alternatives(answer);
    forms.removeAll(QString());
    return forms;
}

bool isRight(const ZpusobRow& row, const QString& gapText) {
    return answers::matchesOneOf(gapText, row.answer, true);
}

QString answerText(const ZpusobRow& row) {
    QStringList forms = acceptedForms(row.answer);
    for (QString& form : forms)
        form = droppedText(form, row.before);
    const QString shown = forms.size() > 1
                              ? QLatin1Char('[') + forms.join(QLatin1Char('/')) + QLatin1Char(']')
                              : forms.value(0);
    QStringList parts;
    for (const QString& part : {row.before, shown, row.after}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QLatin1Char(' '));
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
        fault(int(body.size()) - 1, QStringLiteral("an example needs two lines"));
    QSet<QString> forms;
    for (const QStringList& verb : presentForms())
        forms.unite(QSet<QString>(verb.begin(), verb.end()));
    content::RepeatFinder repeats;
    for (int i = 0; i + 1 < body.size(); i += kLinesPerExample) {
        const QString sentence = body[i].section(QLatin1Char('#'), 0, 0);
        const QString afterIntro = sentence.section(QLatin1Char('$'), -1);
        if (sentence.count(QLatin1Char('$')) > 1) {
            fault(i, QStringLiteral("a sentence line has one \"$\" at most, after the intro"));
            continue;
        }
        if (afterIntro.count(QLatin1Char('|')) != 1) {
            fault(i, QStringLiteral("a sentence line needs exactly one gap \"|\" after the intro"));
            continue;
        }
        if (!content::hasFields(body[i + 1], 2)) {
            fault(i + 1, QStringLiteral("an answer line is \"verb|form\""));
            continue;
        }
        const ZpusobRow row = parseExample(body[i], body[i + 1]);
        if (row.before.isEmpty() && row.after.isEmpty())
            fault(i, QStringLiteral("the sentence is empty"));
        const QStringList accepted = acceptedForms(row.answer);
        if (accepted.isEmpty())
            fault(i + 1, QStringLiteral("the answer is empty"));
        for (const QString& form : accepted) {
            if (!forms.contains(form))
                fault(i + 1, QStringLiteral("\"") + form +
                                 QStringLiteral("\" is none of the forms the verbs offer"));
        }
        repeats.check(i,
                      content::sameness(row.intro + QLatin1Char('|') + row.before +
                                        QLatin1Char('|') + row.after),
                      problems);
    }
    return problems;
}

ContentProblems checkVerbForms(const QStringList& body) {
    ContentProblems problems;
    if (body.size() != kVerbCount)
        problems.append(ContentProblem{
            int(qMin(body.size(), qsizetype(kVerbCount))),
            QStringLiteral("the forms section has exactly six lines, one for each verb")});
    for (int verb = 0; verb < qMin(int(body.size()), kVerbCount); ++verb) {
        const QString& line = body[verb];
        const QString expected = presentForms()[verb].join(QLatin1Char('|'));
        if (!line.startsWith(QString::number(verb + 1) + QLatin1Char(' '))) {
            problems.append(
                ContentProblem{verb, QStringLiteral("line %1 begins with \"%1 \"").arg(verb + 1)});
            continue;
        }
        QStringList forms = line.mid(2).split(QLatin1Char('|'));
        for (QString& form : forms)
            form = form.trimmed();
        const QSet<QString> distinct(forms.begin(), forms.end());
        QStringList sorted = forms;
        QStringList wanted = presentForms()[verb];
        sorted.sort();
        wanted.sort();
        if (forms.size() != kFormsPerVerb || distinct.size() != kFormsPerVerb ||
            distinct.contains(QString()))
            problems.append(
                ContentProblem{verb, QStringLiteral("a verb has four different forms")});
        else if (sorted != wanted)
            problems.append(ContentProblem{verb, QStringLiteral("the forms of \"") + verbs()[verb] +
                                                     QStringLiteral("\" are ") + expected});
    }
    return problems;
}

} // namespace vz::zpusob
