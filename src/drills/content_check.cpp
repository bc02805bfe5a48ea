#include "content_check.h"

#include "../store/app_error.h"
#include "../store/section_reader.h"
#include "listening/diktat_cis_rules.h"
#include "listening/diktat_rules.h"
#include "numbers/casy_rules.h"
#include "numbers/cisl_rules.h"
#include "numbers/clock_rules.h"
#include "pronouns/oszajm_rules.h"
#include "pronouns/przajm_rules.h"
#include "pronouns/tazzajm_rules.h"
#include "sentences/odpoved_rules.h"
#include "sentences/pady_rules.h"
#include "sentences/poradek_rules.h"
#include "sentences/predl_rules.h"
#include "verbs/predp_rules.h"
#include "verbs/typed_rules.h"
#include "verbs/vyber_rules.h"
#include "verbs/zpusob_rules.h"
#include "words/antonym_rules.h"
#include "words/cleny_rules.h"
#include "words/nadraz_rules.h"
#include "words/predl2_rules.h"
#include "words/skupiny_rules.h"
#include "words/slovicka_rules.h"

#include <QHash>
#include <QRegularExpression>
#include <functional>

namespace vz {
namespace {

// The drill that reads a section: its check and the lines of one example.
struct SectionRules {
    std::function<ContentProblems(const QStringList& body)> check;
    int linesPerExample = 1;
    // For a game whose examples lie in other sections too: counts them in
    // the whole content.
    std::function<int(const QStringList& data, const QString& header)> countInContent;
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
        {QStringLiteral("[7c]"), {antonym::checkExamples, 1}},
        {QStringLiteral("[7b]"), {skupiny::checkExamples, 1}},
        {QStringLiteral("[3a-der]"), {cleny::checkNouns, 1}},
        {QStringLiteral("[3a-die]"), {cleny::checkNouns, 1}},
        {QStringLiteral("[3a-das]"), {cleny::checkNouns, 1}},
        {QStringLiteral("[7a-kein]"), {cleny::checkNegationPhrases, 1}},
        {QStringLiteral("[7a-keine]"), {cleny::checkNegationPhrases, 1}},
        {QStringLiteral("[7a-nicht]"), {cleny::checkNegationPhrases, 1}},
        {QStringLiteral("[4d-wohin]"), {predl2::checkWohin, 1}},
        {QStringLiteral("[4d-wo]"), {predl2::checkWo, 1}},
        {QStringLiteral("[5a]"), {poradek::checkExamples, 1}},
        {QStringLiteral("[3b]"), {pady::checkExamples, pady::kLinesPerExample}},
        {QStringLiteral("[2a]"), {oszajm::checkExamples, 1}},
        {QStringLiteral("[4b]"), {oszajm::checkExamples, 1}},
        {QStringLiteral("[2c]"),
         {tazzajm::checkExamples, 1,
          [](const QStringList& data, const QString& header) {
              return tazzajm::exampleCount(readSection(data, header));
          }}},
        // dictation drills
        {QStringLiteral("[5c]"),
         {diktat::checkExamples, 1,
          [](const QStringList& data, const QString& header) {
              return diktat::exampleCount(readSection(data, header));
          }}},
        // number tile drills
        // 6b hears and reads the same numerals: each must also name a wave file.
        {QStringLiteral("[6a]"),
         {[](const QStringList& body) {
              return cisl::checkExamples(body) + diktatcis::checkNumbers(body);
          },
          1}},
        {QStringLiteral("[6d]"), {casy::checkExamples, 1}},
        // clock drill
        {QStringLiteral("[6c]"), {hod::checkExamples, 1}},
        // answer drill
        {QStringLiteral("[5b]"), {odpoved::checkExamples, odpoved::kLinesPerExample}},
        // vocabulary drill
        {QStringLiteral("[7e]"),
         {slovicka::checkTopics, 1,
          [](const QStringList& data, const QString& header) {
              return slovicka::exampleCount(data, header);
          }}},
        {QStringLiteral("[7e-*]"), {slovicka::checkExamples, 1}},
        {QStringLiteral("[2b]"), {przajm::checkExamples, przajm::kLinesPerExample}},
        {QStringLiteral("[4a]"), {predl::checkExamples, predl::kLinesPerExample}},
        {QStringLiteral("[7d]"),
         {nadraz::checkExamples, 1,
          [](const QStringList& data, const QString& header) {
              return nadraz::exampleCount(nadraz::readContent(data, header));
          }}},
        {QStringLiteral("[7d-*]"), {nadraz::checkGroupWords, 1}},
        {QStringLiteral("[1c]"), {zpusob::checkExamples, zpusob::kLinesPerExample}},
        {QStringLiteral("[1c-slovesa]"), {zpusob::checkVerbForms, 1}},
        {QStringLiteral("[1f]"), {predp::checkExamples, predp::kLinesPerExample}},
    };
    return rules;
}

// A section's rules: its own entry, else the entry "[code-*]" of a game
// whose group sections are named by its content ("[7d-Obst]").
SectionRules rulesFor(const QString& header) {
    const QString key = header.toLower();
    const auto own = sectionRules().constFind(key);
    if (own != sectionRules().cend())
        return *own;
    const qsizetype dash = key.indexOf(QLatin1Char('-'));
    if (dash < 0 || !key.endsWith(QLatin1Char(']')))
        return {};
    return sectionRules().value(key.left(dash + 1) + QStringLiteral("*]"));
}

} // namespace

ContentProblems checkContentSection(const QString& header, const QStringList& body) {
    const SectionRules rules = rulesFor(header);
    if (!rules.check)
        return {ContentProblem{-1, QStringLiteral("no game reads the section ") + header}};
    if (body.isEmpty())
        return {ContentProblem{-1, QStringLiteral("the section ") + header +
                                       QStringLiteral(" is empty")}};
    return rules.check(body);
}

int contentExampleCount(const QString& header, const QStringList& body) {
    const int lines = rulesFor(header).linesPerExample;
    int examples = 0;
    for (qsizetype i = 0; i < body.size(); i += lines)
        examples += body[i].startsWith(QLatin1Char('#')) ? 0 : 1;
    return examples;
}

int gameExampleCount(const QString& code, const QStringList& data) {
    QVector<std::pair<QString, QStringList>> sections;
    for (const QString& line : data) {
        if (line.startsWith(QLatin1Char('[')))
            sections.append({line, {}});
        else if (!sections.isEmpty())
            sections.last().second << line;
    }
    const QString own = QLatin1Char('[') + code + QLatin1Char(']');
    for (const auto& [header, body] : sections) {
        if (header.compare(own, Qt::CaseInsensitive) != 0)
            continue;
        const SectionRules rules = rulesFor(header);
        if (!rules.countInContent)
            return contentExampleCount(header, body);
        try {
            return rules.countInContent(data, header);
        } catch (const AppError&) {
            return 0; // a section it refers to is missing: nothing can be drawn
        }
    }
    const QString column = QLatin1Char('[') + code + QLatin1Char('-');
    int examples = -1;
    for (const auto& [header, body] : sections) {
        if (header.startsWith(column, Qt::CaseInsensitive) && rulesFor(header).check)
            examples = qMax(examples, 0) + contentExampleCount(header, body);
    }
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
