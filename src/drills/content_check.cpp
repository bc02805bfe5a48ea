#include "content_check.h"

#include "verbs/typed_rules.h"
#include "verbs/vyber_rules.h"

#include <QHash>
#include <QRegularExpression>
#include <functional>

namespace vz {
namespace {

// The drill that reads a section: its check and the lines of one example.
struct SectionRules {
    std::function<ContentProblems(const QStringList& body)> check;
    int linesPerExample = 1;
};

const QHash<QString, SectionRules>& sectionRules() {
    static const SectionRules vyberRules{vyber::checkExamples, vyber::kLinesPerExample};
    static const QHash<QString, SectionRules> rules{
        {QStringLiteral("[1a]"), vyberRules},
        {QStringLiteral("[3c]"), vyberRules},
        {QStringLiteral("[4c]"), vyberRules},
        {QStringLiteral("[1b]"), {vzor::checkExamples, vzor::kLinesPerExample}},
        {QStringLiteral("[1d]"), {perf::checkExamples, 1}},
        {QStringLiteral("[3d]"), {perf::checkExamples, 1}},
        {QStringLiteral("[1e]"), {rozkaz::checkExamples, rozkaz::kLinesPerExample}},
        {QStringLiteral("[1e-$]"), {rozkaz::checkNames, 1}},
        {QStringLiteral("[1e-%]"), {rozkaz::checkNames, 1}},
        // drag verb drills
    };
    return rules;
}

} // namespace

ContentProblems checkContentSection(const QString& header, const QStringList& body) {
    const SectionRules rules = sectionRules().value(header.toLower());
    if (!rules.check)
        return {ContentProblem{-1, QStringLiteral("no game reads the section ") + header}};
    if (body.isEmpty())
        return {ContentProblem{-1, QStringLiteral("the section ") + header +
                                       QStringLiteral(" is empty")}};
    return rules.check(body);
}

int contentExampleCount(const QString& header, const QStringList& body) {
    const int lines = sectionRules().value(header.toLower()).linesPerExample;
    int examples = 0;
    for (qsizetype i = 0; i < body.size(); i += lines)
        examples += body[i].startsWith(QLatin1Char('#')) ? 0 : 1;
    return examples;
}

namespace content {

QString sameness(const QString& text) {
    static const QRegularExpression trailing(QStringLiteral("[.!?\\s]+$"));
    return text.simplified().toLower().remove(trailing);
}

void RepeatFinder::check(int line, const QString& key, ContentProblems& problems) {
    const auto found = seen.constFind(key);
    if (found != seen.cend())
        problems.append(ContentProblem{
            line, QStringLiteral("repeats the example of line %1 of the section").arg(*found + 1)});
    else
        seen.insert(key, line);
}

bool hasFields(const QString& line, int count) {
    return line.count(QLatin1Char('|')) == count - 1;
}

} // namespace content
} // namespace vz
