#include "antonym_rules.h"

#include "../../exercise/answer_text.h"
#include "../../exercise/example_drawer.h"

#include <algorithm>

namespace vz::antonym {

AntonymRow parseLine(const QString& line) {
    AntonymRow row;
    row.word = line.section(QLatin1Char('|'), 0, 0).trimmed();
    row.antonym = line.section(QLatin1Char('|'), 1).trimmed();
    row.shown = answers::alternatives(row.antonym).value(0);
    return row;
}

QVector<AntonymRow> dealPage(const QStringList& section, int size, const TLChSet& used,
                             TLChSet& page, QRandomGenerator& random, const QString& sectionName) {
    ExampleDrawer drawer(section, 1, &random);
    const QVector<int> drawn = drawer.drawPage(size, used, page, sectionName);
    const int pairs = random.bounded(size - 2) + 2;
    QVector<AntonymRow> rows;
    for (int k = 0; k < size; ++k) {
        AntonymRow row = parseLine(section[drawn[k]]);
        row.isPair = k < pairs;
        if (!row.isPair) {
            // The partner comes from another example; one that is this word's
            // antonym after all (or the word itself) would make a false pair true.
            const QStringList accepted = answers::alternatives(row.antonym);
            QStringList partners;
            for (int i = 0; i < section.size(); ++i) {
                const AntonymRow other = parseLine(section[i]);
                if (i != drawn[k] && !section[i].startsWith(QLatin1Char('#')) &&
                    !other.shown.isEmpty() && !accepted.contains(other.shown) &&
                    other.shown != row.word)
                    partners << other.shown;
            }
            row.shown =
                partners.isEmpty() ? QString() : partners[random.bounded(int(partners.size()))];
        }
        rows << row;
    }
    for (int swap = 0; swap < 20; ++swap) {
        const int a = random.bounded(size);
        int b = random.bounded(size);
        while (b == a)
            b = random.bounded(size);
        std::swap(rows[a], rows[b]);
    }
    return rows;
}

bool isRight(const AntonymRow& row, AntonymSwitch choice, const QString& typed) {
    if (choice == AntonymSwitch::Unset)
        return false;
    if (row.isPair)
        return choice == AntonymSwitch::Yes;
    return choice == AntonymSwitch::No && answers::matchesOneOf(typed, row.antonym, false);
}

QString answerText(const AntonymRow& row) {
    if (row.isPair)
        return QLatin1Char('\'') + row.shown + QStringLiteral("' je antonymom k slovu '") +
               row.word + QLatin1Char('\'');
    return QStringLiteral("Antonymom k slovu '") + row.word + QStringLiteral("' je slovo '") +
           row.antonym + QLatin1Char('\'');
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    for (int i = 0; i < body.size(); ++i) {
        const AntonymRow row = parseLine(body[i]);
        if (!content::hasFields(body[i], 2) || row.word.isEmpty() || row.antonym.isEmpty() ||
            answers::alternatives(row.antonym).contains(QString()))
            problems.append(ContentProblem{i, QStringLiteral("a line is \"word|antonym\"")});
        repeats.check(i, content::sameness(row.word), problems);
    }
    // A page needs at least one false partner for every row.
    if (body.size() < 12)
        problems.append(ContentProblem{-1, QStringLiteral("a page needs at least 12 pairs")});
    return problems;
}

} // namespace vz::antonym
