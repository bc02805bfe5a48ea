#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

namespace vz {

// One grade of the school scale: the percentages low ... high give `grade`.
struct GradeBand {
    int low = 0;
    int high = 0;
    int grade = 0;
};

// Reads the five bands of Znamky.dat, line n giving grade n. Raises AppError
// when the file cannot be read, a line lacks its two numbers and bars, or the
// bands are not a sound scale.
QVector<GradeBand> LoadGradeScale(const QString& path);

// True when the five bands run down from 100 (grade 1) to 0 (grade 5), each
// starting right below the one before: every percentage has one grade, and
// a better result never gets a worse grade.
bool isSoundGradeScale(const QVector<GradeBand>& bands);

// right / (right + wrong) in percent, rounded to the nearest whole number; an
// exact half goes to the even neighbour. 0 when nothing was answered.
int roundedPercentage(int right, int wrong);

// The grade of the first band holding the percentage; 0 when none does.
int gradeFor(int percentage, const QVector<GradeBand>& bands);

struct TableRow {
    QString name = QStringLiteral(" "); // a single space marks an empty row
    int right = 0;
    int wrong = 0;
    int grade = 0; // 0 marks an empty row

    bool isEmpty() const { return name.trimmed().isEmpty(); }
};

inline constexpr int kTableRows = 10;
inline constexpr int kNameLength = 30;

// The best-results table of one game, kept as a section of the tab.dat lines.
// While the table is loaded its section is out of the list; it goes back (at
// the end of the list) by SaveTable, at the latest when the object ends, so
// no error on the way can lose it.
class ResultsTable {
public:
    ResultsTable(QStringList& tabList, int gameNumber);
    ~ResultsTable();
    ResultsTable(const ResultsTable&) = delete;
    ResultsTable& operator=(const ResultsTable&) = delete;

    void LoadTable();
    // Puts the result into row 11, grades it and sorts it into rows 0 ... 9.
    // Returns the row it reached, or -1 when it was not good enough or nothing
    // was answered.
    int RecordResult(const QString& pupilName, int right, int wrong,
                     const QVector<GradeBand>& bands);
    void SaveTable();

    const TableRow& row(int index) const { return rows[index]; }
    const TableRow& current() const { return rows[11]; }
    int percentage() const { return lastPercentage; }

    // The name as the table keeps it: trimmed, cut to 30 characters, with
    // square brackets turned round, since a line holding "[" would end the
    // game's section in tab.dat.
    static QString tableName(const QString& pupilName);

private:
    // One bubbling pass that carries row 10 to its place; returns that place.
    int SortNewEntry();
    static QString header(int gameNumber) { return QStringLiteral("[%1]").arg(gameNumber); }

    QStringList& tabList;
    int gameNumber;
    std::array<TableRow, 12> rows;
    bool sectionTaken = false;
    int lastPercentage = 0;
};

// The log's own list of game titles; empty for an unknown number.
QString logGameTitle(int gameNumber);

// The four lines that one finished game adds to Vysledky.dat.
QStringList logRecord(const QString& pupilName, int gameNumber, int right, int wrong, int grade,
                      const QDateTime& when);

// Appends the lines (Windows-1250, CR LF), creating the log when it is missing.
// Raises AppError when the log cannot be written.
void appendToLog(const QString& path, const QStringList& lines);

} // namespace vz
