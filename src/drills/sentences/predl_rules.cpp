#include "predl_rules.h"

#include "../../exercise/answer_text.h"

namespace vz::predl {
namespace {

QString field(const QString& line, int index) {
    return line.section(QLatin1Char('|'), index, index).trimmed();
}

} // namespace

TimeRow parseExample(const QStringList& lines) {
    TimeRow row;
    row.Pattern = lines.value(0).trimmed();
    const QString sentence = lines.value(1);
    const QString answers = lines.value(2);
    row.TwoBlanks = answers.contains(QLatin1Char(','));
    row.TextBefore = field(sentence, 0);
    if (row.TwoBlanks) {
        row.TextMiddle = field(sentence, 1);
        row.TextAfter = sentence.section(QLatin1Char('|'), 2).trimmed();
        row.Answer1 = answers.section(QLatin1Char(','), 0, 0).trimmed();
        row.Answer2 = answers.section(QLatin1Char(','), 1).trimmed();
    } else {
        row.TextAfter = sentence.section(QLatin1Char('|'), 1).trimmed();
        row.Answer1 = answers.trimmed();
        row.Answer2 = QStringLiteral(" ");
    }
    return row;
}

bool blankIsRight(const QString& answer, const QString& typed) {
    const QString given = typed.trimmed();
    return !given.isEmpty() && answers::foldAtoZ(given) == answers::foldAtoZ(answer.trimmed());
}

bool isRight(const TimeRow& row, const QString& first, const QString& second) {
    return blankIsRight(row.Answer1, first) &&
           (!row.TwoBlanks || blankIsRight(row.Answer2, second));
}

QString answerSentence(const TimeRow& row) {
    QString sentence = row.TextBefore + QLatin1Char(' ') + row.Answer1;
    if (row.TwoBlanks)
        sentence += answers::spacedAfterGap(row.TextMiddle) + QLatin1Char(' ') + row.Answer2;
    return sentence + answers::spacedAfterGap(row.TextAfter);
}

int examplesAfterPage(int examplesLeft) {
    return qMax(0, examplesLeft - kPageSize);
}

QString measuredSentence(const TimeRow& row) {
    const QString gap = QStringLiteral("  ");
    if (row.TwoBlanks)
        return row.TextBefore + gap + row.TextMiddle + gap + row.TextAfter;
    return row.TextBefore + gap + row.TextAfter;
}

int sentenceFontSize(const std::function<int(int pixelSize)>& width, int limit) {
    int size = 16;
    while (size > 8 && width(size) > limit)
        --size;
    return size;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    const auto fault = [&problems](int line, const char* what) {
        problems.append(ContentProblem{line, QString::fromUtf8(what)});
    };
    if (body.size() % kLinesPerExample != 0)
        fault(int(body.size()) - 1, "a record needs three lines: model, sentence, answers");
    content::RepeatFinder repeats;
    for (int i = 0; i + 2 < body.size(); i += kLinesPerExample) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue;
        if (body[i].trimmed().isEmpty() || body[i].contains(QLatin1Char('|'))) {
            fault(i, "the first line of a record is the model sentence, without \"|\"");
            continue;
        }
        const TimeRow row = parseExample(body.mid(i, kLinesPerExample));
        const int blanks = row.TwoBlanks ? 2 : 1;
        if (!content::hasFields(body[i + 1], blanks + 1)) {
            fault(i + 1, row.TwoBlanks ? "two answers need \"before|middle|after\""
                                       : "one answer needs \"before|after\"");
            continue;
        }
        if (body[i + 2].count(QLatin1Char(',')) > 1 || row.Answer1.isEmpty() ||
            (row.TwoBlanks && row.Answer2.isEmpty()) || body[i + 2].contains(QLatin1Char('/'))) {
            fault(i + 2, "the answers are \"answer\" or \"first,second\", typed whole");
            continue;
        }
        if (row.TextBefore.isEmpty())
            fault(i + 1, "the sentence begins with a blank (its answer would need a capital)");
        else if (row.TwoBlanks && row.TextMiddle.isEmpty())
            fault(i + 1, "two blanks need text between them");
        repeats.check(i + 1,
                      content::sameness(row.TextBefore + QLatin1Char('|') + row.TextMiddle +
                                        QLatin1Char('|') + row.TextAfter),
                      problems);
    }
    return problems;
}

} // namespace vz::predl
