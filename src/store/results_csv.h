#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Reading the results log back, record by record, and writing it as a table
// a spreadsheet opens.
namespace vz {

// One record of Vysledky.dat as logRecord wrote it. Date and time stay the
// text the log holds: they were written in the short format of the writing
// computer's locale, which the text alone cannot tell.
struct LogEntry {
    int line = 0; // 1-based number of the record's first line in the log
    QString name;
    QString date;
    QString time;
    QString game; // the game's title as logged
    int count = 0;
    int right = 0;
    int wrong = 0;
    int grade = 0;
};

// A part of the log that is not a whole record; it is left out of the table.
struct LogProblem {
    int line = 0;   // 1-based number of its first line
    QString reason; // in Slovak, for the teacher
};

struct LogReading {
    QVector<LogEntry> entries;
    QVector<LogProblem> problems;
};

// Splits the log (Windows-1250, as appendToLog writes it) into its records.
// A record runs from a "Jméno:" line to the first line of '=' after it, and
// never past the next "Jméno:" line, so a damaged record can neither swallow
// its neighbour nor lend it a line. A record that is not exactly the four
// lines logRecord writes, or whose lines do not read, is a problem, as are
// lines outside any record. Blank lines between records are passed over. A
// run of zero bytes (what a crash while writing leaves) is damage too, and a
// record appended right after it still reads.
LogReading readResultsLog(const QByteArray& cp1250Log);

// The field separator of the table. A Slovak Windows uses ',' as the decimal
// comma and so ';' as the list separator: Excel in that locale splits on ';'
// when a CSV file is opened by a double click, and LibreOffice offers ';' in
// its import dialog.
inline constexpr char kCsvSeparator = ';';

// One field as RFC 4180 wants it: quoted, with quotes doubled, when it holds
// the separator, a comma, a quote or a line break. A field that a spreadsheet
// would take for a formula (starting with = + - or @) gets an apostrophe in
// front, so a pupil's name is never run as one.
QString csvField(const QString& text);

// The whole table: a UTF-8 byte-order mark (so a spreadsheet does not take the
// file for the local 8-bit code page and spoil the Slovak letters), a header
// row and one row per entry, every row ending in CR LF.
QByteArray resultsCsv(const QVector<LogEntry>& entries);

} // namespace vz
