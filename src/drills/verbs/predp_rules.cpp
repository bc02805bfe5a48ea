#include "predp_rules.h"

namespace vz::predp {
namespace {

QString lowerAZ(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return text;
}

QString capitalFirst(const QString& text) {
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

bool startsWithPunctuation(const QString& text) {
    static const QString marks = QStringLiteral("!,.?");
    return !text.isEmpty() && marks.contains(text.front());
}

QString slotSolution(const QString& field) {
    const QString text = field.trimmed();
    return text == QLatin1String("-") ? QString() : text;
}

constexpr std::array<Place, 3> kPlaces{Place::Home, Place::Slot1, Place::Slot2};

} // namespace

PredpRow parseExample(const QString& sentenceLine, const QString& solutionLine) {
    const QStringList sentence = sentenceLine.split(QLatin1Char('|'));
    const QStringList solution = solutionLine.split(QLatin1Char('|'));
    PredpRow row;
    row.before = sentence.value(0).trimmed();
    row.between = sentence.value(1).trimmed();
    row.after = sentence.value(2).trimmed();
    const QString pieces = solution.value(0);
    row.red = pieces.section(QLatin1Char('$'), 0, 0).trimmed();
    row.blue = pieces.section(QLatin1Char('$'), 1).trimmed();
    row.solution = {slotSolution(solution.value(1)), slotSolution(solution.value(2))};
    return row;
}

int pageSize(int examplesLeft) {
    return examplesLeft < 10 ? 5 : 10;
}

ShownPieces shownPieces(const PredpRow& row, const Placement& placement) {
    ShownPieces shown{row.red, row.blue};
    if (!row.before.isEmpty())
        return shown; // capitals only where the sentence begins with slot 1
    if (placement.red == Place::Slot1) {
        shown.red = capitalFirst(row.red);
        if (placement.blue == Place::Slot1)
            shown.blue = lowerAZ(row.blue);
    } else if (placement.blue == Place::Slot1) {
        shown.blue = capitalFirst(row.blue);
    }
    return shown;
}

QString slotContent(const PredpRow& row, const Placement& placement, int slot) {
    const auto place = static_cast<Place>(slot);
    const ShownPieces shown = shownPieces(row, placement);
    QString content;
    if (placement.red == place)
        content += shown.red;
    if (placement.blue == place)
        content += shown.blue;
    return content;
}

bool isRight(const PredpRow& row, const Placement& placement) {
    return slotContent(row, placement, 1) == row.solution[0] &&
           slotContent(row, placement, 2) == row.solution[1];
}

std::optional<Placement> solutionPlacement(const PredpRow& row) {
    for (Place red : kPlaces) {
        for (Place blue : kPlaces) {
            const Placement placement{red, blue};
            if (red != Place::Home && blue != Place::Home && isRight(row, placement))
                return placement;
        }
    }
    return std::nullopt;
}

QString answerSentence(const PredpRow& row) {
    QString sentence = row.before;
    const auto append = [&sentence](const QString& part, bool spaced) {
        if (part.isEmpty())
            return;
        if (!sentence.isEmpty() && spaced)
            sentence += QLatin1Char(' ');
        sentence += part;
    };
    append(row.solution[0], true);
    append(row.between, !startsWithPunctuation(row.between));
    append(row.solution[1], true);
    append(row.after, !startsWithPunctuation(row.after));
    return sentence;
}

SlotLayout layoutSlot(int left, std::optional<int> redWidth, std::optional<int> blueWidth) {
    const int content = redWidth.value_or(0) + blueWidth.value_or(0);
    SlotLayout slot;
    slot.left = left;
    slot.width = content < 10 ? 25 : content + 4;
    slot.redLeft = left + 2;
    slot.blueLeft = left + 2 + redWidth.value_or(0);
    return slot;
}

RowLayout layoutRow(int beforeLeft, int beforeWidth, int middleWidth, SlotPieces inSlot1,
                    SlotPieces inSlot2) {
    RowLayout row;
    row.slot1 = layoutSlot(beforeLeft + beforeWidth, inSlot1.red, inSlot1.blue);
    row.middleLeft = row.slot1.left + row.slot1.width;
    row.slot2 = layoutSlot(row.middleLeft + middleWidth, inSlot2.red, inSlot2.blue);
    row.afterLeft = row.slot2.left + row.slot2.width;
    return row;
}

HomeLefts homeLefts(int redWidth, int blueWidth) {
    const int red = 83 - (redWidth + blueWidth) / 2;
    return {red, red + redWidth};
}

int sentenceFontSize(const std::function<int(int pixelSize)>& lineWidth) {
    int size = 16;
    while (size > 8 && lineWidth(size) + 25 >= 419)
        --size;
    return size;
}

QString measuredLine(const PredpRow& row) {
    return row.before + row.between + row.after + row.solution[0] + row.solution[1] +
           QStringLiteral("    ");
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    const auto fault = [&problems](int line, const char* what) {
        problems.append(ContentProblem{line, QString::fromUtf8(what)});
    };
    if (body.size() % kLinesPerExample != 0)
        fault(int(body.size()) - 1, "an example needs two lines");
    content::RepeatFinder repeats;
    for (int i = 0; i + 1 < body.size(); i += kLinesPerExample) {
        if (!content::hasFields(body[i], 3)) {
            fault(i, "a sentence line is \"before|between|after\"");
            continue;
        }
        if (!content::hasFields(body[i + 1], 3)) {
            fault(i + 1, "a solution line is \"red$blue|slot 1|slot 2\"");
            continue;
        }
        const QStringList fields = body[i + 1].split(QLatin1Char('|'));
        const PredpRow row = parseExample(body[i], body[i + 1]);
        if (fields[0].count(QLatin1Char('$')) != 1 || row.red.isEmpty() || row.blue.isEmpty()) {
            fault(i + 1, "the pieces are written \"red$blue\", both not empty");
            continue;
        }
        if (fields[1].trimmed().isEmpty() || fields[2].trimmed().isEmpty()) {
            fault(i + 1, "a slot that stays empty is written \"-\"");
            continue;
        }
        if (row.before.isEmpty() && row.between.isEmpty() && row.after.isEmpty())
            fault(i, "the sentence is empty");
        if (!solutionPlacement(row))
            fault(i + 1, "the two pieces cannot build the solution (a slot takes nothing, red, "
                         "blue or red and blue joined, and each piece goes somewhere)");
        repeats.check(i,
                      content::sameness(row.before + QLatin1Char('|') + row.between +
                                        QLatin1Char('|') + row.after),
                      problems);
    }
    return problems;
}

} // namespace vz::predp
