#include "results_csv.h"

#include "text_lines.h"

#include <QRegularExpression>
#include <algorithm>

namespace vz {
namespace {

// The labels logRecord writes, in its own (Czech) wording.
const QString kNameLabel = QStringLiteral("Jméno: ");
const QString kDateLabel = QStringLiteral("   Datum: ");
const QString kTimeLabel = QStringLiteral("   Čas: ");
const QString kGameLabel = QStringLiteral("Hra: ");
const QString kCountLabel = QStringLiteral("Počet příkladů:");
const QString kRightLabel = QStringLiteral("Správně:");
const QString kWrongLabel = QStringLiteral("Špatně:");
const QString kGradeLabel = QStringLiteral("Známka:");

bool startsRecord(const QString& line) {
    return line.startsWith(kNameLabel);
}

bool isSeparator(const QString& line) {
    const QString text = line.trimmed();
    return !text.isEmpty() && text.count(QLatin1Char('=')) == text.size();
}

bool hasControlCharacter(const QString& line) {
    return std::any_of(line.begin(), line.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Fills the entry from the four lines of a record; the reason when they do
// not read.
QString readRecord(const QStringList& lines, LogEntry& entry) {
    // The name may hold anything, even the labels, so the date and the time
    // are found from the end of the line, where nothing of the name can be.
    const QString& head = lines[0];
    const qsizetype timeAt = head.lastIndexOf(kTimeLabel);
    const qsizetype dateAt = timeAt < 0 ? -1 : head.lastIndexOf(kDateLabel, timeAt - 1);
    if (dateAt < kNameLabel.size())
        return QStringLiteral("v prvom riadku chýba dátum alebo čas");
    entry.name = head.mid(kNameLabel.size(), dateAt - kNameLabel.size()).trimmed();
    entry.date =
        head.mid(dateAt + kDateLabel.size(), timeAt - dateAt - kDateLabel.size()).trimmed();
    entry.time = head.mid(timeAt + kTimeLabel.size()).trimmed();
    if (entry.date.isEmpty() || entry.time.isEmpty())
        return QStringLiteral("v prvom riadku chýba dátum alebo čas");

    if (!lines[1].startsWith(kGameLabel))
        return QStringLiteral("druhý riadok nezačína „Hra:“");
    entry.game = lines[1].mid(kGameLabel.size()).trimmed();

    const QString number = QStringLiteral(" +([0-9]{1,9})");
    static const QRegularExpression numbersLine(QLatin1Char('^') + kCountLabel + number + " +" +
                                                kRightLabel + number + " +" + kWrongLabel + number +
                                                " +" + kGradeLabel + number + " *$");
    const QRegularExpressionMatch numbers = numbersLine.match(lines[2]);
    if (!numbers.hasMatch())
        return QStringLiteral("tretí riadok nemá čitateľný počet, správne, nesprávne a známku");
    entry.count = numbers.captured(1).toInt();
    entry.right = numbers.captured(2).toInt();
    entry.wrong = numbers.captured(3).toInt();
    entry.grade = numbers.captured(4).toInt();
    if (entry.count != entry.right + entry.wrong)
        return QStringLiteral("počet príkladov nie je súčtom správnych a nesprávnych");
    if (entry.grade < 1 || entry.grade > 5)
        return QStringLiteral("známka nie je 1 až 5");
    return {};
}

} // namespace

LogReading readResultsLog(const QByteArray& cp1250Log) {
    // A zero byte would end the text. A crash while writing leaves a run of
    // them, and the next record is appended right after it: the run becomes
    // control characters that mark their part damaged, and a record glued to
    // it starts a line of its own (with the same line number).
    const QChar zero(0x1A);
    QByteArray bytes = cp1250Log;
    bytes.replace('\0', '\x1A');
    QStringList lines;
    QVector<int> lineNumbers;
    int number = 0;
    for (const QString& line : splitLines(bytes)) {
        ++number;
        const qsizetype glued = line.lastIndexOf(zero + kNameLabel);
        if (glued >= 0) {
            lines << line.left(glued + 1);
            lineNumbers << number;
        }
        lines << line.mid(glued + 1);
        lineNumbers << number;
    }

    LogReading reading;
    qsizetype at = 0;
    while (at < lines.size()) {
        if (lines[at].trimmed().isEmpty()) {
            ++at;
            continue;
        }
        const qsizetype first = at;
        ++at;
        while (at < lines.size() && !isSeparator(lines[at - 1]) && !startsRecord(lines[at]))
            ++at;
        const QStringList record = lines.mid(first, at - first);

        QString reason;
        LogEntry entry;
        if (std::any_of(record.begin(), record.end(), hasControlCharacter))
            reason = QStringLiteral("nulové bajty alebo riadiace znaky (zápis sa asi prerušil)");
        else if (!startsRecord(record.first()))
            reason =
                QStringLiteral("časť nepatrí k žiadnemu záznamu (chýba jej prvý riadok s menom)");
        else if (!isSeparator(record.last()))
            reason = QStringLiteral("záznam je neúplný (nekončí riadkom „=“)");
        else if (record.size() != 4)
            reason = QStringLiteral("záznam nemá 4 riadky, ale %1").arg(record.size());
        else
            reason = readRecord(record, entry);

        if (reason.isEmpty()) {
            entry.line = lineNumbers[first];
            reading.entries << entry;
        } else {
            reading.problems << LogProblem{lineNumbers[first], reason};
        }
    }
    return reading;
}

QString csvField(const QString& text) {
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@").contains(field.front()))
        field.prepend(QLatin1Char('\''));
    static const QRegularExpression needsQuotes(QStringLiteral("[;,\"\r\n]"));
    if (!field.contains(needsQuotes))
        return field;
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QByteArray resultsCsv(const QVector<LogEntry>& entries) {
    const QChar separator = QLatin1Char(kCsvSeparator);
    const auto row = [separator](const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields)
            quoted << csvField(field);
        return (quoted.join(separator) + QStringLiteral("\r\n")).toUtf8();
    };
    QByteArray csv("\xEF\xBB\xBF");
    csv += row({QStringLiteral("Meno"), QStringLiteral("Dátum"), QStringLiteral("Čas"),
                QStringLiteral("Hra"), QStringLiteral("Počet"), QStringLiteral("Správne"),
                QStringLiteral("Nesprávne"), QStringLiteral("Známka")});
    for (const LogEntry& entry : entries)
        csv += row({entry.name, entry.date, entry.time, entry.game, QString::number(entry.count),
                    QString::number(entry.right), QString::number(entry.wrong),
                    QString::number(entry.grade)});
    return csv;
}

} // namespace vz
