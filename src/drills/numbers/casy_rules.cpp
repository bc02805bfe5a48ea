#include "casy_rules.h"

#include "../../exercise/example_drawer.h"
#include "cisl_rules.h"
#include "tile_swap.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace vz::casy {
namespace {

// The number a numeral word names, 0 ... 59.
std::optional<int> numeralValue(const QString& word) {
    for (int n = 0; n < 60; ++n) {
        if (cisl::germanNumeral(n) == word)
            return n;
    }
    return std::nullopt;
}

ClockTime at(int hour, int minute) {
    return {((hour + 11) % 12) * 60 + minute, {}}; // hour 0 is twelve o'clock
}

ClockTime fault(const QString& what) {
    return {-1, what};
}

// An hour after "nach", "vor" or "halb": eins ... zwölf.
std::optional<int> hourOf(const QString& word, QString& problem) {
    const std::optional<int> hour = numeralValue(word);
    if (!hour)
        problem = QStringLiteral("\"") + word + QStringLiteral("\" is no hour");
    else if (*hour < 1 || *hour > 12)
        problem = QStringLiteral("hour %1 out of range 1 ... 12").arg(*hour);
    else
        return hour;
    return std::nullopt;
}

// Minutes before or after an hour (1 ... `most`, or "Viertel" where allowed).
std::optional<int> minutesOf(const QString& word, int most, bool quarter, QString& problem) {
    if (quarter && word == QLatin1String("Viertel"))
        return 15;
    if (word == QLatin1String("kurz")) {
        problem = QStringLiteral("\"kurz\" names no exact time, the order could be unsure");
        return std::nullopt;
    }
    const std::optional<int> minutes = numeralValue(word);
    if (!minutes)
        problem = QStringLiteral("\"") + word + QStringLiteral("\" is no number of minutes");
    else if (*minutes < 1 || *minutes > most)
        problem = QStringLiteral("minute %1 out of range 1 ... %2").arg(*minutes).arg(most);
    else
        return minutes;
    return std::nullopt;
}

} // namespace

QStringList wordings(const QString& line) {
    QStringList parts = line.split(QLatin1Char('|'));
    for (QString& part : parts)
        part = part.trimmed();
    return parts;
}

QString pickWording(const QString& line, QRandomGenerator& random) {
    const QStringList parts = wordings(line);
    return parts[random.bounded(int(parts.size()))];
}

ClockTime readTime(const QString& wording) {
    const QStringList w = wording.split(QLatin1Char(' '));
    if (wording != wording.simplified() || wording.isEmpty())
        return fault(QStringLiteral("an empty wording or spaces around or doubled"));
    for (const QString& word : w) {
        if (word == QLatin1String("viertel") || word == QLatin1String("dreiviertel") ||
            word == QLatin1String("Dreiviertel"))
            return fault(QStringLiteral("regional wording: only \"Viertel nach\" and \"Viertel "
                                        "vor\" are used"));
    }
    QString problem;
    if (w.size() == 2 && w[1] == QLatin1String("Uhr")) {
        if (w[0] == QLatin1String("ein"))
            return at(1, 0);
        if (w[0] == QLatin1String("eins"))
            return fault(QStringLiteral("\"ein Uhr\", not \"eins Uhr\""));
        if (const auto hour = hourOf(w[0], problem))
            return at(*hour, 0);
        return fault(problem);
    }
    if (w.size() == 2 && w[0] == QLatin1String("halb")) {
        if (const auto hour = hourOf(w[1], problem))
            return at(*hour - 1, 30);
        return fault(problem);
    }
    const bool before = w.size() >= 3 && w[1] == QLatin1String("vor");
    const bool after = w.size() >= 3 && w[1] == QLatin1String("nach");
    if (w.size() == 3 && (before || after)) {
        const auto minutes = minutesOf(w[0], 29, true, problem);
        const auto hour = minutes ? hourOf(w[2], problem) : std::nullopt;
        if (!hour)
            return fault(problem);
        return after ? at(*hour, *minutes) : at(*hour - 1, 60 - *minutes);
    }
    if (w.size() == 4 && (before || after) && w[2] == QLatin1String("halb")) {
        const auto minutes = minutesOf(w[0], 14, false, problem);
        const auto hour = minutes ? hourOf(w[3], problem) : std::nullopt;
        if (!hour)
            return fault(problem);
        return at(*hour - 1, after ? 30 + *minutes : 30 - *minutes);
    }
    return fault(QStringLiteral("not an informal time like \"Viertel nach drei\", \"halb "
                                "vier\", \"fünf vor halb vier\" or \"drei Uhr\""));
}

Page dealPage(const QStringList& section, const TLChSet& used, TLChSet& page,
              QRandomGenerator& random, const QString& sectionName) {
    ExampleDrawer drawer(section, 1, &random);
    QVector<int> drawn = drawer.drawPage(kRows, used, page, sectionName);
    QStringList picked;
    for (int index : drawn) // the drawer has put its "#" in front of the line
        picked << pickWording(drawer.lines()[index].mid(1), random);
    // The expected order is the order of the lines in the section.
    QVector<int> rank(drawn.size());
    std::iota(rank.begin(), rank.end(), 0);
    std::sort(rank.begin(), rank.end(), [&drawn](int a, int b) { return drawn[a] < drawn[b]; });
    Page dealt;
    for (int k : rank)
        dealt.order << picked[k];
    dealt.tiles = dealt.order;
    tiles::shuffle(dealt.tiles, random);
    return dealt;
}

bool isRight(const Page& page, int row, const QString& tileText) {
    return row >= 1 && row <= page.order.size() && tileText == page.order[row - 1];
}

int examplesAfterPage(int left) {
    return left > kRows ? left - kRows : 0;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    if (body.size() >= kLineLimit)
        problems.append(
            ContentProblem{-1, QStringLiteral("%1 lines: the section must stay below %2 lines")
                                   .arg(body.size())
                                   .arg(kLineLimit)});
    int times = 0;
    int previous = -1;
    int previousLine = 0;
    for (int i = 0; i < body.size(); ++i) {
        const QString& line = body[i];
        if (line.startsWith(QLatin1Char('#')))
            continue;
        ++times;
        QString fault;
        int minutes = -1;
        const QStringList parts = wordings(line);
        for (const QString& wording : parts) {
            const ClockTime time = readTime(wording);
            if (!time.fault.isEmpty())
                fault = QStringLiteral("\"") + wording + QStringLiteral("\": ") + time.fault;
            else if (minutes >= 0 && time.minutes != minutes)
                fault = QStringLiteral("its wordings name different times");
            else if (parts.count(wording) > 1)
                fault = QStringLiteral("a wording stands twice");
            if (!fault.isEmpty())
                break;
            minutes = time.minutes;
        }
        if (fault.isEmpty() && minutes <= previous)
            fault = QStringLiteral("not later than line %1 of the section: the lines must "
                                   "stand in the order of their times")
                        .arg(previousLine + 1);
        if (!fault.isEmpty()) {
            problems.append(ContentProblem{i, fault});
            continue;
        }
        previous = minutes;
        previousLine = i;
    }
    if (times < kLargestCount)
        problems.append(ContentProblem{
            -1,
            QStringLiteral("fewer than %1 times, a game may ask for so many").arg(kLargestCount)});
    return problems;
}

} // namespace vz::casy
