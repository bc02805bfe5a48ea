#include "diktat_cis_rules.h"

#include "../../exercise/example_drawer.h"

#include <QSet>

namespace vz::diktatcis {

QString sectionHeader(int group) {
    return QLatin1Char('[') + QString::number(group) + QStringLiteral("a]");
}

QString numberOf(const QString& line) {
    return line.section(QLatin1Char('|'), 0, 0).trimmed();
}

QString soundFile(const QString& number) {
    return QStringLiteral("sound\\cis\\") + number + QStringLiteral(".wav");
}

bool isRight(const QString& typed, const QString& number) {
    return typed.trimmed() == number;
}

QStringList dealPage(const QStringList& section, int size, const TLChSet& used, TLChSet& page,
                     QRandomGenerator& random, const QString& sectionName) {
    ExampleDrawer drawer(section, 1, &random);
    QStringList numbers;
    for (int index : drawer.drawPage(size, used, page, sectionName))
        numbers << numberOf(section[index]);
    return numbers;
}

ContentProblems checkNumbers(const QStringList& body) {
    ContentProblems problems;
    QSet<QString> seen;
    for (int i = 0; i < body.size(); ++i) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue;
        const QString number = numberOf(body[i]);
        if (number.isEmpty() || number.contains(QLatin1Char(' ')) ||
            number.contains(QLatin1Char('/')) || number.contains(QLatin1Char('\\')))
            problems.append({i, QStringLiteral("the number before \"|\" names a wave file: "
                                               "no blanks, no slashes")});
        else if (seen.contains(number))
            problems.append({i, QStringLiteral("the number is used twice")});
        seen.insert(number);
    }
    return problems;
}

} // namespace vz::diktatcis
