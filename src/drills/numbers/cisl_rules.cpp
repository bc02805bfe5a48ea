#include "cisl_rules.h"

#include "../../exercise/example_drawer.h"
#include "tile_swap.h"

#include <QRegularExpression>

namespace vz::cisl {
namespace {

const char* const kOnes[] = {"null",     "eins",     "zwei",     "drei",     "vier",
                             "fünf",     "sechs",    "sieben",   "acht",     "neun",
                             "zehn",     "elf",      "zwölf",    "dreizehn", "vierzehn",
                             "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
const char* const kTens[] = {"",        "",        "zwanzig", "dreißig", "vierzig",
                             "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig"};

// 1 ... 999 as the part of a longer numeral: "ein" for a final one only
// where `oneAsEin` (before "hundert" or "tausend").
QString belowThousand(int n, bool oneAsEin) {
    QString text;
    if (n >= 100) {
        text = belowThousand(n / 100, true) + QStringLiteral("hundert");
        n %= 100;
        if (n == 0)
            return text;
    }
    if (n == 1)
        return text + (oneAsEin ? QStringLiteral("ein") : QStringLiteral("eins"));
    if (n < 20)
        return text + QString::fromUtf8(kOnes[n]);
    const QString tens = QString::fromUtf8(kTens[n / 10]);
    if (n % 10 == 0)
        return text + tens;
    const QString one = n % 10 == 1 ? QStringLiteral("ein") : QString::fromUtf8(kOnes[n % 10]);
    return text + one + QStringLiteral("und") + tens;
}

} // namespace

CislExample parseExample(const QString& line) {
    const qsizetype bar = line.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {line.trimmed(), QString()};
    return {line.left(bar).trimmed(), line.mid(bar + 1).trimmed()};
}

int pageSize(int examplesLeft) {
    return examplesLeft >= kRows ? kRows : 5;
}

Page dealPage(const QStringList& section, int rows, const TLChSet& used, TLChSet& page,
              QRandomGenerator& random, const QString& sectionName) {
    ExampleDrawer drawer(section, 1, &random);
    Page dealt;
    for (int index : drawer.drawPage(rows, used, page, sectionName)) {
        // The drawer has put its "#" in front of the drawn line.
        dealt.examples << parseExample(drawer.lines()[index].mid(1));
        dealt.tiles << dealt.examples.last().answer;
    }
    tiles::shuffle(dealt.tiles, random);
    return dealt;
}

bool isRight(const Page& page, int row, const QString& tileText) {
    return row >= 1 && row <= page.examples.size() && tileText == page.examples[row - 1].answer;
}

QString germanNumeral(int number) {
    if (number < 0 || number > 999999)
        return {};
    if (number == 0)
        return QStringLiteral("null");
    QString text;
    if (number >= 1000)
        text = belowThousand(number / 1000, true) + QStringLiteral("tausend");
    if (number % 1000)
        text += belowThousand(number % 1000, false);
    return text;
}

ContentProblems checkExamples(const QStringList& body) {
    static const QRegularExpression word(QStringLiteral("^\\p{Ll}+$"));
    static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]{0,5}$|^0$"));
    ContentProblems problems;
    content::RepeatFinder repeats;
    int examples = 0;
    for (int i = 0; i < body.size(); ++i) {
        const QString& line = body[i];
        if (line.startsWith(QLatin1Char('#')))
            continue;
        ++examples;
        const CislExample example = parseExample(line);
        QString fault;
        if (!content::hasFields(line, 2))
            fault = QStringLiteral("not numeral|digits");
        else if (!word.match(example.prompt).hasMatch())
            fault = QStringLiteral("the numeral must be one word of small letters (it names a "
                                   "sound file and is typed in game 6b)");
        else if (!digits.match(example.answer).hasMatch())
            fault = QStringLiteral("the number must be digits alone, 0 ... 999999");
        else if (example.prompt != germanNumeral(example.answer.toInt()))
            fault = QStringLiteral("%1 is written \"%2\"")
                        .arg(example.answer, germanNumeral(example.answer.toInt()));
        if (!fault.isEmpty())
            problems.append(ContentProblem{i, fault});
        repeats.check(i, example.prompt.toLower(), problems);
    }
    if (examples < kLargestCount)
        problems.append(
            ContentProblem{-1, QStringLiteral("fewer than %1 numerals, a game may ask for so many")
                                   .arg(kLargestCount)});
    return problems;
}

} // namespace vz::cisl
