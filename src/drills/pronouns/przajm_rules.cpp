#include "przajm_rules.h"

#include "../../exercise/answer_text.h"

namespace vz::przajm {
namespace {

const QString kEuer = QStringLiteral("EUER");
const QString kEur = QStringLiteral("EUR");

// The sentence begins with the blank: nothing before it, or a finished sentence.
bool blankStartsSentence(const QString& before) {
    return before.isEmpty() || before.endsWith(QLatin1Char('!')) ||
           before.endsWith(QLatin1Char('.')) || before.endsWith(QLatin1Char('?'));
}

QString field(const QString& line, int index) {
    return line.section(QLatin1Char('|'), index, index).trimmed();
}

// An "eur" that has lost its ending reads "euer" again.
Blank restored(Blank blank) {
    if (blank.ending.isEmpty() && answers::foldAtoZ(blank.stem) == kEur)
        blank.stem.insert(2, QLatin1Char('e'));
    return blank;
}

} // namespace

const QStringList& paletteStems() {
    static const QStringList stems{QStringLiteral("mein"),  QStringLiteral("dein"),
                                   QStringLiteral("sein"),  QStringLiteral("ihr"),
                                   QStringLiteral("unser"), QStringLiteral("euer")};
    return stems;
}

const QStringList& paletteEndings() {
    static const QStringList endings{QStringLiteral("-e"), QStringLiteral("-es"),
                                     QStringLiteral("-en"), QStringLiteral("-em"),
                                     QStringLiteral("-er")};
    return endings;
}

PronounRow parseExample(const QStringList& lines) {
    PronounRow row;
    row.Context = lines.value(0).trimmed();
    row.TextBefore = field(lines.value(1), 0);
    row.TextAfter = field(lines.value(1), 1);
    row.Stem = field(lines.value(2), 0);
    row.Ending = field(lines.value(2), 1);
    if (row.Ending == QLatin1String("-"))
        row.Ending.clear();
    return row;
}

Blank withStem(const PronounRow& row, Blank blank, const QString& stem) {
    QString shown = stem;
    if (!blank.ending.isEmpty() && answers::foldAtoZ(shown) == kEuer)
        shown.remove(2, 1);
    if (blankStartsSentence(row.TextBefore) && !shown.isEmpty())
        shown[0] = shown[0].toUpper();
    blank.stem = shown;
    return blank;
}

Blank withEnding(Blank blank, const QString& paletteEnding) {
    if (answers::foldAtoZ(blank.stem) == kEuer)
        blank.stem.remove(2, 1);
    blank.ending =
        paletteEnding.startsWith(QLatin1Char('-')) ? paletteEnding.mid(1) : paletteEnding;
    return blank;
}

Blank withoutStem(Blank blank) {
    blank.stem.clear();
    return restored(blank);
}

Blank withoutEnding(Blank blank) {
    blank.ending.clear();
    return restored(blank);
}

bool isRight(const PronounRow& row, const Blank& blank) {
    return answers::foldAtoZ(blank.stem + blank.ending) == answers::foldAtoZ(row.Stem + row.Ending);
}

QString answerSentence(const PronounRow& row) {
    QString sentence = row.TextBefore;
    if (!sentence.isEmpty())
        sentence += QLatin1Char(' ');
    return sentence + row.Stem + row.Ending + answers::spacedAfterGap(row.TextAfter);
}

int examplesAfterDeal(int examplesLeft) {
    return qMax(0, examplesLeft - kPageSize);
}

int contentLeft(int blankLeft, int blankWidth, int stemWidth, int endingWidth) {
    return blankLeft + (blankWidth - (stemWidth + endingWidth)) / 2;
}

QString blankMeasure() {
    return QStringLiteral("unser em");
}

int sentenceFontSize(const std::function<int(int pixelSize)>& lineWidth, int limit) {
    int size = 16;
    while (size > 8 && lineWidth(size) > limit)
        --size;
    return size;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    const auto fault = [&problems](int line, const char* what) {
        problems.append(ContentProblem{line, QString::fromUtf8(what)});
    };
    if (body.size() % kLinesPerExample != 0)
        fault(int(body.size()) - 1, "a record needs three lines: context, sentence, pronoun");
    const QStringList stems = {QStringLiteral("MEIN"),
                               QStringLiteral("DEIN"),
                               QStringLiteral("SEIN"),
                               QStringLiteral("IHR"),
                               QStringLiteral("UNSER"),
                               kEuer,
                               kEur};
    content::RepeatFinder repeats;
    for (int i = 0; i + 2 < body.size(); i += kLinesPerExample) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue;
        if (body[i].trimmed().isEmpty() || body[i].contains(QLatin1Char('|'))) {
            fault(i, "the first line of a record is the context sentence, without \"|\"");
            continue;
        }
        if (!content::hasFields(body[i + 1], 2)) {
            fault(i + 1, "the sentence is \"text before|text after\"");
            continue;
        }
        if (!content::hasFields(body[i + 2], 2)) {
            fault(i + 2, "the pronoun is \"stem|ending\", \"-\" for no ending");
            continue;
        }
        const PronounRow row = parseExample(body.mid(i, kLinesPerExample));
        const QString stem = answers::foldAtoZ(row.Stem);
        if (row.TextBefore.isEmpty() && row.TextAfter.isEmpty())
            fault(i + 1, "the sentence is empty");
        if (!stems.contains(stem))
            fault(i + 2, "the palette offers no such stem");
        else if (field(body[i + 2], 1) != QLatin1String("-") &&
                 !paletteEndings().contains(QLatin1Char('-') + row.Ending))
            fault(i + 2, "the palette offers no such ending (\"-\" for none)");
        else if (stem == kEuer && !row.Ending.isEmpty())
            fault(i + 2, "before an ending \"euer\" is written \"eur\"");
        else if (stem == kEur && row.Ending.isEmpty())
            fault(i + 2, "without an ending \"eur\" is written \"euer\"");
        else if (row.Stem[0].isUpper() != blankStartsSentence(row.TextBefore))
            fault(i + 2, "the stem has a capital exactly where the sentence begins with it");
        repeats.check(i + 1,
                      content::sameness(row.TextBefore + QLatin1Char('|') + row.TextAfter) +
                          QLatin1Char('|') + stem + answers::foldAtoZ(row.Ending),
                      problems);
    }
    return problems;
}

} // namespace vz::przajm
