#include "vyber_rules.h"

namespace vz::vyber {

VyberRow parseExample(const QString& sentenceLine, const QString& choiceLine) {
    const QStringList sentence = sentenceLine.split(QLatin1Char('|'));
    const QStringList choices = choiceLine.split(QLatin1Char('|'));
    VyberRow row;
    row.before = sentence.value(0).trimmed();
    row.after = sentence.value(1).trimmed();
    for (int i = 0; i < 3; ++i)
        row.offered[i] = choices.value(i).trimmed();
    row.correct = row.offered[0];
    return row;
}

void shuffleForms(VyberRow& row, QRandomGenerator& random) {
    const std::array<QString, 3> inLine = row.offered;
    const int first = random.bounded(3);
    std::array<QString, 2> others;
    for (int i = 0, k = 0; i < 3; ++i) {
        if (i != first)
            others[k++] = inLine[i];
    }
    if (random.generateDouble() <= 0.5)
        std::swap(others[0], others[1]);
    row.offered = {inLine[first], others[0], others[1]};
}

bool isRight(const VyberRow& row, const QString& gapText) {
    return !gapText.isEmpty() && gapText == row.correct;
}

int pageSize(int examplesLeft) {
    return examplesLeft < 10 ? 5 : 10;
}

} // namespace vz::vyber
