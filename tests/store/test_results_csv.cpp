#include "store/results.h"
#include "store/results_csv.h"
#include "store/text_lines.h"

#include <QTest>

using namespace vz;

namespace {

const QDateTime kWhen(QDate(2026, 3, 9), QTime(14, 5));

QStringList record(const QString& name) {
    return logRecord(name, 2, 12, 3, 2, kWhen);
}

// Adam (lines 1-4), then Beáta changed by `damage`, then Cyril.
QByteArray damagedMiddle(const std::function<void(QStringList&)>& damage) {
    QStringList middle = record(QStringLiteral("Beáta"));
    damage(middle);
    return joinLines(record("Adam") + middle + record("Cyril"));
}

} // namespace

class TestResultsCsv : public QObject {
    Q_OBJECT
private slots:
    void recordsReadBackAsLogRecordWroteThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("grade");
        QTest::newRow("Slovak letters") << "Ľubomíra Šťastná-Žiaková" << 1 << 15 << 0 << 1;
        QTest::newRow("ô and ä") << "Ôndrej Mäsiar" << 6 << 7 << 8 << 4;
        QTest::newRow("comma") << "Kováč, Ján" << 29 << 0 << 20 << 5;
        QTest::newRow("quotes") << "Peter \"Peťo\" Kráľ" << 13 << 10 << 10 << 3;
        QTest::newRow("semicolon") << "Eva; Zuzana" << 16 << 255 << 0 << 1;
        QTest::newRow("placeholders") << "%1 %2 100%" << 11 << 9 << 1 << 1;
        QTest::newRow("the labels")
            << "Jméno: x   Datum: 1. 1. 2000   Čas: 0:00" << 20 << 3 << 1 << 2;
        QTest::newRow("past the padding") << QString(40, QChar(0x17E)) << 24 << 1 << 1 << 3;
    }
    void recordsReadBackAsLogRecordWroteThem() {
        QFETCH(QString, name);
        QFETCH(int, game);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(int, grade);
        // Between two neighbours and after a blank line, so a misread boundary shows.
        const LogReading reading = readResultsLog(
            joinLines(record("Adam") + QStringList{""} +
                      logRecord(name, game, right, wrong, grade, kWhen) + record("Cyril")));
        QVERIFY(reading.problems.isEmpty());
        QCOMPARE(reading.entries.size(), 3);
        const LogEntry& entry = reading.entries[1];
        QCOMPARE(entry.line, 6);
        QCOMPARE(entry.name, name);
        QCOMPARE(entry.date, QStringLiteral("9. 3. 2026")); // the Slovak short format
        QCOMPARE(entry.time, QStringLiteral("14:05"));
        QCOMPARE(entry.game, logGameTitle(game));
        QCOMPARE(QList<int>({entry.count, entry.right, entry.wrong, entry.grade}),
                 QList<int>({right + wrong, right, wrong, grade}));
        QCOMPARE(reading.entries[2].line, 10);
    }

    void damageIsNamedByLineAndNeverMerged_data() {
        using Lines = QStringList&;
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QList<int>>("problemLines");
        const QStringList outer{"Adam", "Cyril"};
        const QList<int> five{5};
        QTest::newRow("end lost") << damagedMiddle([](Lines r) { r.removeLast(); }) << outer
                                  << five;
        QTest::newRow("game line lost")
            << damagedMiddle([](Lines r) { r.removeAt(1); }) << outer << five;
        QTest::newRow("name line lost")
            << damagedMiddle([](Lines r) { r.removeFirst(); }) << outer << five;
        QTest::newRow("letter in a number")
            << damagedMiddle([](Lines r) { r[2].replace("12", "1O"); }) << outer << five;
        QTest::newRow("count is not right + wrong")
            << damagedMiddle([](Lines r) { r[2].replace("15", "16"); }) << outer << five;
        QTest::newRow("grade 7") << damagedMiddle([](Lines r) {
            r[2].replace("Známka:  2", "Známka:  7");
        }) << outer << five;
        QTest::newRow("time lost")
            << damagedMiddle([](Lines r) { r[0].truncate(50); }) << outer << five;
        QTest::newRow("zero bytes in the name")
            << damagedMiddle([](Lines r) { r[0].replace("Beáta", QString(3, QChar(0))); }) << outer
            << five;
        // A crash while writing leaves zero bytes or half a record, and the
        // next game appends its record right after them.
        const QByteArray two = joinLines(record("Adam") + record("Beáta"));
        const QByteArray halfOfDana = joinLines(record("Dana").mid(0, 2)) + "Po";
        const QByteArray cyril = joinLines(record("Cyril"));
        const QStringList all{"Adam", "Beáta", "Cyril"};
        QTest::newRow("zero bytes at the end")
            << two + QByteArray(300, '\0') << all.mid(0, 2) << QList<int>{9};
        QTest::newRow("record after zero bytes")
            << two + QByteArray(9, '\0') + cyril << all << QList<int>{9};
        QTest::newRow("record after half a record and zero bytes")
            << two + halfOfDana + QByteArray(9, '\0') + cyril << all << QList<int>{9};
        QTest::newRow("two damaged") << joinLines(record("Adam").mid(1) + record("Beáta").mid(0, 3))
                                     << QStringList() << QList<int>{1, 4};
    }
    void damageIsNamedByLineAndNeverMerged() {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, kept);
        QFETCH(QList<int>, problemLines);
        const LogReading reading = readResultsLog(log);
        QStringList names;
        for (const LogEntry& entry : reading.entries) {
            names << entry.name;
            QCOMPARE(entry.right, 12); // every survivor has its own numbers
        }
        QCOMPARE(names, kept);
        QList<int> lines;
        for (const LogProblem& problem : reading.problems)
            lines << problem.line;
        QCOMPARE(lines, problemLines);
    }

    void fieldsAreQuotedAsRfc4180Wants_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Ľubica Ťažká"
                               << "Ľubica Ťažká";
        QTest::newRow("separator") << "Eva; Zuzana"
                                   << "\"Eva; Zuzana\"";
        QTest::newRow("comma") << "Kováč, Ján"
                               << "\"Kováč, Ján\"";
        QTest::newRow("quotes doubled") << "Peter \"Peťo\""
                                        << "\"Peter \"\"Peťo\"\"\"";
        QTest::newRow("line break") << "a\r\nb"
                                    << "\"a\r\nb\"";
        QTest::newRow("placeholder") << "%1"
                                     << "%1";
        QTest::newRow("formula") << "=1+1"
                                 << "'=1+1";
        QTest::newRow("formula with separator") << "@A1;B1"
                                                << "\"'@A1;B1\"";
        QTest::newRow("plus") << "+421"
                              << "'+421";
        QTest::newRow("equals later") << "a=b"
                                      << "a=b";
    }
    void fieldsAreQuotedAsRfc4180Wants() {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(csvField(text), field);
    }

    void tableIsUtf8WithMarkHeaderAndCrLfRows() {
        const LogEntry entry{5, "Kráľ, \"Ľubo\"", "9. 3. 2026", "14:05", logGameTitle(6), 15, 12, 3,
                             2};
        const QByteArray expected =
            "\xEF\xBB\xBF" + QStringLiteral("Meno;Dátum;Čas;Hra;Počet;Správne;Nesprávne;Známka\r\n"
                                            "\"Kráľ, \"\"Ľubo\"\"\";9. 3. 2026;14:05;"
                                            "Slovesá s\u00A0odlučiteľnými predponami;15;12;3;2\r\n")
                                 .toUtf8();
        QCOMPARE(resultsCsv({entry}), expected);
        QCOMPARE(resultsCsv({}), expected.left(expected.indexOf('\n') + 1));
    }
};

int main(int argc, char** argv) {
    // The log is written in the short date format of the system locale.
    qputenv("LC_ALL", "sk_SK.UTF-8");
    QCoreApplication app(argc, argv);
    TestResultsCsv test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_results_csv.moc"
