#include "worksheet.h"

namespace vz::printing {

QString printedTask(const WorksheetItem& item) {
    const QString line(qMax(1, item.gapLength), QLatin1Char('_'));
    QString text;
    bool first = true;
    for (const QChar c : item.task) {
        if (c != kGap) {
            text += c;
            continue;
        }
        text += line;
        if (first && !item.choices.isEmpty() && !item.crossOut)
            text +=
                QStringLiteral(" (") + item.choices.join(QStringLiteral(" / ")) + QLatin1Char(')');
        first = false;
    }
    if (item.crossOut && !item.choices.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\t")) +
                item.choices.join(QLatin1Char('\t'));
    if (!item.boxed.isEmpty())
        text += QStringLiteral("\t") + item.boxed;
    return text;
}

QString tooFewExamplesMessage(const QString& code, int available, int asked) {
    return QStringLiteral("Počet príkladov v obsahu hry ") + code + QStringLiteral(": ") +
           QString::number(available) + QStringLiteral(", na pracovný list ich treba ") +
           QString::number(asked) + QStringLiteral(". Zvoľte menší počet.");
}

} // namespace vz::printing
