#include "results.h"

#include "app_error.h"
#include "text_lines.h"

#include <QFile>
#include <QLocale>

namespace vz {
namespace {

// A whole number as the table stores it; anything else counts as 0.
int tableNumber(const QString& field) {
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString padRight(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '));
}
QString padLeft(const QString& text, int width) {
    return text.rightJustified(width, QLatin1Char(' '));
}

} // namespace

QVector<GradeBand> LoadGradeScale(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen(path, file.errorString());
    const QStringList lines = splitLines(file.readAll());
    QVector<GradeBand> bands;
    for (int grade = 1; grade <= 5; ++grade) {
        const QStringList fields = lines.value(grade - 1).split(QLatin1Char('|'));
        bool lowOk = false;
        bool highOk = false;
        GradeBand band;
        band.grade = grade;
        if (fields.size() >= 3) {
            band.low = fields[0].trimmed().toInt(&lowOk);
            band.high = fields[1].trimmed().toInt(&highOk);
        }
        if (!lowOk || !highOk)
            throw AppError(QStringLiteral("Znamky.dat, line %1: \"%2\" is not a grade band")
                               .arg(grade)
                               .arg(lines.value(grade - 1)));
        bands << band;
    }
    return bands;
}

int roundedPercentage(int right, int wrong) {
    const int total = right + wrong;
    if (total <= 0)
        return 0;
    const int whole = right * 100 / total;
    const int twiceRest = 2 * (right * 100 % total);
    if (twiceRest > total || (twiceRest == total && whole % 2 == 1))
        return whole + 1;
    return whole;
}

int gradeFor(int percentage, const QVector<GradeBand>& bands) {
    for (const GradeBand& band : bands) {
        if (band.low <= percentage && percentage <= band.high)
            return band.grade;
    }
    return 0;
}

ResultsTable::ResultsTable(QStringList& tabList, int gameNumber)
    : tabList(tabList), gameNumber(gameNumber) {}

ResultsTable::~ResultsTable() {
    SaveTable();
}

QString ResultsTable::tableName(const QString& pupilName) {
    QString name = pupilName.trimmed().left(kNameLength);
    name.replace(QLatin1Char('['), QLatin1Char('(')).replace(QLatin1Char(']'), QLatin1Char(')'));
    name.replace(QLatin1Char('|'), QLatin1Char('/'));
    return name;
}

void ResultsTable::LoadTable() {
    rows.fill(TableRow{});
    rows[11].name.clear();
    sectionTaken = true; // written back even when the game had no table yet
    const QString head = header(gameNumber);
    const qsizetype start = tabList.indexOf(head);
    if (start < 0)
        return;
    qsizetype end = start + 1;
    while (end < tabList.size() && !tabList[end].contains(QLatin1Char('[')))
        ++end;
    for (qsizetype i = start + 1, k = 0; i < end && k < kTableRows; ++i, ++k) {
        const QStringList fields = tabList[i].split(QLatin1Char('|'));
        TableRow& row = rows[k];
        row.name = fields.value(0).left(kNameLength);
        if (row.name.isEmpty())
            row.name = QStringLiteral(" ");
        row.right = tableNumber(fields.value(1));
        row.wrong = tableNumber(fields.value(2));
        row.grade = tableNumber(fields.value(3));
    }
    tabList.remove(start, end - start);
}

int ResultsTable::RecordResult(const QString& pupilName, int right, int wrong,
                               const QVector<GradeBand>& bands) {
    TableRow& result = rows[11];
    result.name = tableName(pupilName);
    result.right = right;
    result.wrong = wrong;
    lastPercentage = roundedPercentage(right, wrong);
    result.grade = gradeFor(lastPercentage, bands);
    rows[10] = result;
    const int place = SortNewEntry();
    return place < kTableRows ? place : -1;
}

int ResultsTable::SortNewEntry() {
    int place = 10;
    for (int v = 10; v >= 1; --v) {
        const TableRow& low = rows[v];
        const TableRow& high = rows[v - 1];
        const bool better =
            low.grade < high.grade || high.grade == 0 ||
            (low.grade == high.grade && low.right > high.right) ||
            (low.grade == high.grade && low.right == high.right && low.wrong < high.wrong);
        if (better) {
            std::swap(rows[v], rows[v - 1]);
            if (place == v)
                place = v - 1;
        }
    }
    return place;
}

void ResultsTable::SaveTable() {
    if (!sectionTaken)
        return;
    sectionTaken = false;
    tabList << header(gameNumber);
    for (int k = 0; k < kTableRows; ++k) {
        const TableRow& row = rows[k];
        tabList << QStringLiteral("%1|%2|%3|%4")
                       .arg(row.name)
                       .arg(row.right)
                       .arg(row.wrong)
                       .arg(row.grade);
    }
}

QString logGameTitle(int gameNumber) {
    static const char* titles[] = {"Pomocné slovesá",
                                   "Bežné slovesá",
                                   "Spôsobové slovesá",
                                   "Minulý čas základných slovies",
                                   "Rozkazovací spôsob",
                                   "Slovesá s\u00A0odlúčiteľnými predponami",
                                   "Osobné zámená a „es“",
                                   "Privlastňovacie zámená",
                                   "Opytovacie zámená",
                                   "Určovanie rodu (členy)",
                                   "3. a 4. pád - po člene určitom",
                                   "3. a 4. pád - po člene neurčitom",
                                   "Množné číslo",
                                   "Predložky času",
                                   "Predložky in, nach, aus, an",
                                   "Predložky zu, über, bei, vor, durch, um",
                                   "Predložky vyjadrujúce pozíciu",
                                   "Poradie slov vo vete",
                                   "Vyber vhodnú odpoveď",
                                   "Diktát jednoduchých viet",
                                   "Číslovky - vizuálne priraďovanie",
                                   "Číslovky - doplňovanie podľa posluchu",
                                   "Hodiny - vyjadrené formálne",
                                   "Hodiny - vyjadrené neformálne",
                                   "Rozlíšenie kein x nicht",
                                   "Nepatrí do radu",
                                   "Antonymá prídavných mien",
                                   "Priraďovanie nadradených slov",
                                   "Slovíčka"};
    if (gameNumber < 1 || gameNumber > int(std::size(titles)))
        return {};
    return QString::fromUtf8(titles[gameNumber - 1]);
}

QStringList logRecord(const QString& pupilName, int gameNumber, int right, int wrong, int grade,
                      const QDateTime& when) {
    const QLocale locale = QLocale::system();
    const QString date = padLeft(locale.toString(when.date(), QLocale::ShortFormat), 10);
    const QString time = padLeft(locale.toString(when.time(), QLocale::ShortFormat), 5);
    return {
        QStringLiteral("Jméno: ") + padRight(pupilName, 35) + QStringLiteral("   Datum: ") + date +
            QStringLiteral("   Čas: ") + time,
        QStringLiteral("Hra: ") + logGameTitle(gameNumber),
        QStringLiteral("Počet příkladů:  ") + padRight(QString::number(right + wrong), 6) +
            QStringLiteral("   Správně:  ") + padRight(QString::number(right), 6) +
            QStringLiteral("   Špatně:  ") + padRight(QString::number(wrong), 8) +
            QStringLiteral("   Známka:  ") + QString::number(grade),
        QString(75, QLatin1Char('=')),
    };
}

void appendToLog(const QString& path, const QStringList& lines) {
    const QByteArray bytes = joinLines(lines);
    QFile file(path);
    if (!file.open(QIODevice::Append) || file.write(bytes) != bytes.size() || !file.flush())
        throw AppError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

} // namespace vz
