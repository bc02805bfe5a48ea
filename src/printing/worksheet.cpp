#include "worksheet.h"

namespace vz::printing {

QString printedTask(const WorksheetItem& item) {
    static const QString line = QStringLiteral("__________");
    QString text;
    bool first = true;
    for (const QChar c : item.task) {
        if (c != kGap) {
            text += c;
            continue;
        }
        text += line;
        if (first && !item.choices.isEmpty())
            text +=
                QStringLiteral(" (") + item.choices.join(QStringLiteral(" / ")) + QLatin1Char(')');
        first = false;
    }
    return text;
}

QString tooFewExamplesMessage(const QString& code, int available, int asked) {
    return QStringLiteral("Počet príkladov v obsahu hry ") + code + QStringLiteral(": ") +
           QString::number(available) + QStringLiteral(", na pracovný list ich treba ") +
           QString::number(asked) + QStringLiteral(". Zvoľte menší počet.");
}

} // namespace vz::printing
