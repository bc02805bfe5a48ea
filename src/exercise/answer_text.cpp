#include "answer_text.h"

namespace vz::answers {

QString foldAtoZ(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return folded;
}

QStringList alternatives(const QString& answer) {
    QStringList forms = answer.split(QLatin1Char('/'));
    for (QString& form : forms)
        form = form.trimmed();
    return forms;
}

bool matchesOneOf(const QString& typed, const QString& answer, bool foldCase) {
    const QString given = foldCase ? foldAtoZ(typed.trimmed()) : typed.trimmed();
    if (given.isEmpty())
        return false;
    for (const QString& form : alternatives(answer)) {
        if (given == (foldCase ? foldAtoZ(form) : form))
            return true;
    }
    return false;
}

QString shownAnswer(const QString& answer) {
    return answer.contains(QLatin1Char('/')) ? QLatin1Char('[') + answer + QLatin1Char(']')
                                             : answer;
}

QString spacedAfterGap(const QString& after) {
    static const QString punctuation = QStringLiteral(".,!?;:");
    if (after.isEmpty() || punctuation.contains(after.front()))
        return after;
    return QLatin1Char(' ') + after;
}

QString sentenceWithAnswer(const QString& before, const QString& answer, const QString& after) {
    return before + QLatin1Char(' ') + shownAnswer(answer) + spacedAfterGap(after);
}

} // namespace vz::answers
