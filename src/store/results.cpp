#include "results.h"

#include "app_error.h"
#include "text_lines.h"

#include <QFile>
#include <QLocale>

namespace vz {
namespace {

// A whole number as the table stores it in [low, high]; -1 for anything else.
int tableNumber(const QString& field, int low, int high) {
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok && value >= low && value <= high ? value : -1;
}

// A stored row line; a malformed one, or one with numbers no game can give,
// reads as an empty row.
TableRow parseRow(const QString& line) {
    const QStringList fields = line.split(QLatin1Char('|'));
    TableRow row;
    const int right = tableNumber(fields.value(1), 0, 255);
    const int wrong = tableNumber(fields.value(2), 0, 255);
    const int grade = tableNumber(fields.value(3), 1, 5);
    const QString name = fields.value(0).left(kNameLength);
    if (fields.size() != 4 || right < 0 || wrong < 0 || grade < 0 || right + wrong == 0 ||
        name.trimmed().isEmpty())
        return row;
    row.name = name;
    row.right = right;
    row.wrong = wrong;
    row.grade = grade;
    return row;
}

// True when `row` belongs above `above` in a table.
bool ranksAbove(const TableRow& row, const TableRow& above) {
    return row.grade < above.grade || above.grade == 0 ||
           (row.grade == above.grade && row.right > above.right) ||
           (row.grade == above.grade && row.right == above.right && row.wrong < above.wrong);
}

QString withoutControlCharacters(QString text) {
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text;
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
    const auto damaged = [&path](const QString& why) {
        return AppError(QStringLiteral("Súbor so stupnicou známok \"") + path +
                        QStringLiteral("\" je poškodený: ") + why +
                        QStringLiteral(" Nainštalujte aplikáciu znovu."));
    };
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
            throw damaged(QStringLiteral("riadok ") + QString::number(grade) +
                          QStringLiteral(" nie je v tvare „od|do|“."));
        bands << band;
    }
    if (!isSoundGradeScale(bands))
        throw damaged(QStringLiteral("pásma známok 1 až 5 musia zostupne pokryť 100 až 0 % "
                                     "bez medzier a prekrytí."));
    return bands;
}

bool isSoundGradeScale(const QVector<GradeBand>& bands) {
    if (bands.size() != 5 || bands.first().high != 100 || bands.last().low != 0)
        return false;
    for (int n = 0; n < bands.size(); ++n) {
        if (bands[n].low > bands[n].high)
            return false;
        if (n > 0 && bands[n].high + 1 != bands[n - 1].low)
            return false;
    }
    return true;
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
    QString name = withoutControlCharacters(pupilName).trimmed().left(kNameLength);
    name.replace(QLatin1Char('['), QLatin1Char('(')).replace(QLatin1Char(']'), QLatin1Char(')'));
    name.replace(QLatin1Char('|'), QLatin1Char('/'));
    return name;
}

void ResultsTable::LoadTable() {
    rows.fill(TableRow{});
    rows[11].name.clear();
    sectionTaken = true; // written back even when the game had no table yet
    const QString head = header(gameNumber);
    // A damaged file may hold the game's section twice: the first copy is the
    // table; rows of later copies are sorted in, so none is lost.
    bool first = true;
    for (qsizetype start; (start = tabList.indexOf(head)) >= 0; first = false) {
        qsizetype end = start + 1;
        while (end < tabList.size() && !tabList[end].contains(QLatin1Char('[')))
            ++end;
        for (qsizetype i = start + 1, k = 0; i < end && k < kTableRows; ++i, ++k) {
            const TableRow row = parseRow(tabList[i]);
            if (first) {
                rows[k] = row;
            } else if (!row.isEmpty()) {
                rows[10] = row;
                SortNewEntry();
            }
        }
        tabList.remove(start, end - start);
    }
    rows[10] = TableRow{};
}

int ResultsTable::RecordResult(const QString& pupilName, int right, int wrong,
                               const QVector<GradeBand>& bands) {
    // A game with nothing answered has no result; its row would read back empty.
    if (right + wrong <= 0)
        return -1;
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
        if (ranksAbove(rows[v], rows[v - 1])) {
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
        // Joined, never formatted: a "%1" in a name must stay as it is.
        const TableRow& row = rows[k];
        tabList << row.name + QLatin1Char('|') + QString::number(row.right) + QLatin1Char('|') +
                       QString::number(row.wrong) + QLatin1Char('|') + QString::number(row.grade);
    }
}

QString logGameTitle(int gameNumber) {
    static const char* titles[] = {"Pomocné slovesá",
                                   "Bežné slovesá",
                                   "Spôsobové slovesá",
                                   "Minulý čas základných slovies",
                                   "Rozkazovací spôsob",
                                   "Slovesá s\u00A0odlučiteľnými predponami",
                                   "Osobné zámená a „es“",
                                   "Privlastňovacie zámená",
                                   "Opytovacie zámená",
                                   "Určovanie rodu (členy)",
                                   "3. a 4. pád – po člene určitom",
                                   "3. a 4. pád – po člene neurčitom",
                                   "Množné číslo",
                                   "Predložky času",
                                   "Predložky in, nach, aus, an",
                                   "Predložky zu, über, bei, vor, durch, um",
                                   "Predložky vyjadrujúce pozíciu",
                                   "Poradie slov vo vete",
                                   "Vyber vhodnú odpoveď",
                                   "Diktát jednoduchých viet",
                                   "Číslovky – vizuálne priraďovanie",
                                   "Číslovky – doplňovanie podľa posluchu",
                                   "Hodiny – vyjadrené formálne",
                                   "Hodiny – vyjadrené neformálne",
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
        QStringLiteral("Jméno: ") + padRight(withoutControlCharacters(pupilName), 35) +
            QStringLiteral("   Datum: ") + date + QStringLiteral("   Čas: ") + time,
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
