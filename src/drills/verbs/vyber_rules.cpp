#include "vyber_rules.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace vz::vyber {

VyberRow parseExample(const QString& sentenceLine, const QString& choiceLine) {
    const QStringList sentence = sentenceLine.split(QLatin1Char('|'));
    const QStringList choices = choiceLine.split(QLatin1Char('|'));
    VyberRow row;
    row.before = sentence.value(0).trimmed();
    row.after = sentence.value(1).trimmed();
    for (int i = 0; i < 3; ++i)
        row.offered[i] = choices.value(i).trimmed();
    row.correct = row.offered[0];
    return row;
}

void shuffleForms(VyberRow& row, QRandomGenerator& random) {
    const std::array<QString, 3> inLine = row.offered;
    const int first = random.bounded(3);
    std::array<QString, 2> others;
    for (int i = 0, k = 0; i < 3; ++i) {
        if (i != first)
            others[k++] = inLine[i];
    }
    if (random.generateDouble() <= 0.5)
        std::swap(others[0], others[1]);
    row.offered = {inLine[first], others[0], others[1]};
}

bool isRight(const VyberRow& row, const QString& gapText) {
    return !gapText.isEmpty() && gapText == row.correct;
}

int pageSize(int examplesLeft) {
    return examplesLeft < 10 ? 5 : 10;
}

namespace {

bool isContraction(const QString& form) {
    static const QSet<QString> contractions{"zum", "zur", "beim", "ums",    "vom",  "im",   "am",
                                            "ins", "ans", "aufs", "durchs", "fürs", "übers"};
    return contractions.contains(form.toLower());
}

// An article, possessive or demonstrative: no contraction can stand before it.
bool isDeterminer(const QString& word) {
    static const QRegularExpression determiner(QStringLiteral(
        "^(der|die|das|den|dem|des|ein|eine|einen|einem|einer|eines|kein\\w*|mein\\w*|dein\\w*|"
        "sein\\w*|ihr\\w*|unser\\w*|euer|eure\\w*|dies\\w*|jen\\w*)$"));
    return determiner.match(word.toLower()).hasMatch();
}

} // namespace

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    if (body.size() % kLinesPerExample != 0)
        problems.append(
            ContentProblem{int(body.size()) - 1, QStringLiteral("an example needs two lines")});
    content::RepeatFinder repeats;
    for (int i = 0; i + 1 < body.size(); i += kLinesPerExample) {
        const auto fault = [&problems](int line, const char* what) {
            problems.append(ContentProblem{line, QString::fromUtf8(what)});
        };
        if (!content::hasFields(body[i], 2)) {
            fault(i, "a sentence line is \"text before|text after\"");
            continue;
        }
        if (!content::hasFields(body[i + 1], 3)) {
            fault(i + 1, "a choice line is \"right|wrong|wrong\"");
            continue;
        }
        const VyberRow row = parseExample(body[i], body[i + 1]);
        if (row.before.isEmpty() && row.after.isEmpty())
            fault(i, "the sentence is empty");
        const QSet<QString> forms(row.offered.begin(), row.offered.end());
        if (forms.contains(QString()))
            fault(i + 1, "a form is empty");
        else if (forms.size() != 3)
            fault(i + 1, "a wrong form equals another form, so two could be right");
        const QString next = row.after.section(QLatin1Char(' '), 0, 0);
        if (isDeterminer(next) &&
            std::any_of(row.offered.begin(), row.offered.end(), isContraction))
            fault(i + 1, "a contraction is offered right before an article");
        repeats.check(i, content::sameness(row.before + QLatin1Char('|') + row.after), problems);
    }
    return problems;
}

} // namespace vz::vyber
