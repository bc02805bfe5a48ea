#include "clock_rules.h"

#include "../../exercise/example_drawer.h"
#include "../../store/app_error.h"

#include <QRegularExpression>

namespace vz::hod {
namespace {

constexpr int kFittedWidth = 231;
constexpr int kLinesPerPage = kTiles; // every tile's wording comes from its own line

const QString& lineShape() {
    static const QString text =
        QStringLiteral("a line is \"hours.minutes|wording\", further wordings after \"|\"");
    return text;
}

// The German number word of 0 ... 59 ("ein" as in "einundzwanzig").
QString numberWord(int n) {
    static const char* const units[] = {"null",     "ein",      "zwei",     "drei",     "vier",
                                        "fünf",     "sechs",    "sieben",   "acht",     "neun",
                                        "zehn",     "elf",      "zwölf",    "dreizehn", "vierzehn",
                                        "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
    static const char* const tens[] = {"zwanzig", "dreißig", "vierzig", "fünfzig"};
    if (n < 20)
        return QString::fromUtf8(units[n]);
    const QString ten = QString::fromUtf8(tens[n / 10 - 2]);
    return n % 10 == 0 ? ten : QString::fromUtf8(units[n % 10]) + QStringLiteral("und") + ten;
}

struct Split {
    bool shaped = false;
    int hours = -1;
    int minutes = -1;
    QStringList wordings;
};

Split split(const QString& line) {
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\|(.*)$"));
    const QRegularExpressionMatch match = shape.match(line);
    Split parts;
    if (!match.hasMatch())
        return parts;
    parts.hours = match.captured(1).toInt();
    parts.minutes = match.captured(2).toInt();
    for (const QString& wording : match.captured(3).split(QLatin1Char('|')))
        parts.wordings << wording.trimmed();
    parts.shaped = !parts.wordings.contains(QString());
    return parts;
}

bool inRange(const Split& parts) {
    return parts.hours <= 23 && parts.minutes <= 59;
}

QString timeText(int hours, int minutes) {
    return QStringLiteral("%1.%2").arg(hours).arg(minutes, 2, 10, QLatin1Char('0'));
}

} // namespace

std::optional<TimeLine> parseLine(const QString& line) {
    const Split parts = split(line);
    if (!parts.shaped || !inRange(parts))
        return std::nullopt;
    return TimeLine{parts.hours, parts.minutes, parts.wordings};
}

QString pickWording(const QString& line, QRandomGenerator& random) {
    const QString rest = line.section(QLatin1Char('|'), 1);
    const int bars = int(rest.count(QLatin1Char('|')));
    if (bars == 0)
        return rest.trimmed();
    const int j = random.bounded(bars + 1);
    return rest.section(QLatin1Char('|'), j, j).trimmed();
}

HandAngles handAngles(int hours, int minutes) {
    return {(hours % 12) * 30 + minutes * 0.5, minutes * 6.0};
}

Page dealPage(const QStringList& section, const TLChSet& used, TLChSet& page,
              QRandomGenerator& random, const QString& sectionName) {
    ExampleDrawer drawer(section, 1, &random);
    const QVector<int> drawn = drawer.drawPage(kLinesPerPage, used, page, sectionName);
    Page dealt;
    for (int k = 0; k < kLinesPerPage; ++k) {
        const QString& line = section[drawn[k]];
        const std::optional<TimeLine> time = parseLine(line);
        if (!time)
            throw cannotOpen(sectionName,
                             QStringLiteral("line %1 cannot be read").arg(drawn[k] + 1));
        const QString wording = pickWording(line, random);
        if (k < kClocks)
            dealt.clocks[k] = {time->hours, time->minutes, wording};
        dealt.tiles[k] = wording;
    }
    for (int swap = 0; swap < 20; ++swap) {
        const int a = random.bounded(kTiles);
        int b = random.bounded(kTiles);
        while (b == a)
            b = random.bounded(kTiles);
        std::swap(dealt.tiles[a], dealt.tiles[b]);
    }
    return dealt;
}

void Board::drop(int tile, int label) {
    if (tiles[tile - 1].isEmpty())
        return;
    giveBack(label);
    labels[label - 1] = tiles[tile - 1];
    tiles[tile - 1].clear();
}

void Board::giveBack(int label) {
    QString& wording = labels[label - 1];
    if (wording.isEmpty())
        return;
    for (QString& tile : tiles) {
        if (tile.isEmpty()) { // ten wordings in fifteen places: a filled label leaves one free
            tile = wording;
            wording.clear();
            return;
        }
    }
}

bool isRight(const ClockExample& clock, const QString& placed) {
    return !placed.isEmpty() && placed == clock.Answer;
}

int tileFontSize(const std::function<int(int pixelSize)>& textWidth) {
    int size = 16;
    while (size > 8 && textWidth(size) >= kFittedWidth)
        --size;
    return size;
}

QStringList formalWordings(int hours, int minutes) {
    const QString tail = minutes == 0   ? QStringLiteral(" Uhr")
                         : minutes == 1 ? QStringLiteral(" Uhr eins")
                                        : QStringLiteral(" Uhr ") + numberWord(minutes);
    QStringList wordings;
    for (int hour : {hours % 12, hours % 12 + 12})
        wordings << numberWord(hour) + tail;
    return wordings;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder faces;
    int usable = 0;
    for (int i = 0; i < body.size(); ++i) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue; // never drawn
        Split parts = split(body[i]);
        if (!parts.shaped) {
            problems.append({i, lineShape()});
            continue;
        }
        if (!inRange(parts)) {
            problems.append({i, QStringLiteral("the time %1.%2 is out of range (hours 0 to 23, "
                                               "minutes 0 to 59)")
                                    .arg(parts.hours)
                                    .arg(parts.minutes)});
            continue;
        }
        ++usable;
        const QStringList told = formalWordings(parts.hours, parts.minutes);
        for (const QString& wording : parts.wordings) {
            if (!told.contains(wording))
                problems.append({i, QLatin1Char('"') + wording +
                                        QStringLiteral("\" does not tell %1 (\"%2\")")
                                            .arg(timeText(parts.hours, parts.minutes),
                                                 told.join(QStringLiteral("\" or \"")))});
        }
        if (parts.wordings.removeDuplicates() > 0)
            problems.append({i, QStringLiteral("a wording stands twice")});
        // Two lines showing one face would make each other's wordings right.
        faces.check(i, timeText(parts.hours % 12, parts.minutes), problems);
    }
    if (usable < kLinesPerPage)
        problems.append({-1, QStringLiteral("a page needs %1 lines (five clocks and five other "
                                            "wordings)")
                                 .arg(kLinesPerPage)});
    return problems;
}

} // namespace vz::hod
