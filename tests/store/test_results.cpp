#include "store/app_error.h"
#include "store/results.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;

namespace {

const QVector<GradeBand> kBands{{90, 100, 1}, {75, 89, 2}, {50, 74, 3}, {30, 49, 4}, {0, 29, 5}};

QStringList fullTable() {
    QStringList lines{"[1]"};
    for (int k = 0; k < 10; ++k)
        lines << QStringLiteral("Pupil%1|%2|0|1").arg(k).arg(20 - k);
    return lines;
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void percentagesRoundHalfToEven_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("percentage");
        QTest::newRow("13 of 15") << 13 << 2 << 87;
        QTest::newRow("7 of 15") << 7 << 8 << 47;
        QTest::newRow("17 of 20") << 17 << 3 << 85;
        QTest::newRow("half goes down to even") << 1 << 199 << 0; // 0.5
        QTest::newRow("half goes up to even") << 3 << 197 << 2;   // 1.5
        QTest::newRow("89.5 goes to 90") << 179 << 21 << 90;
        QTest::newRow("nothing answered") << 0 << 0 << 0;
        QTest::newRow("all right") << 48 << 0 << 100;
    }
    void percentagesRoundHalfToEven() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(int, percentage);
        QCOMPARE(roundedPercentage(right, wrong), percentage);
    }

    void gradesComeFromTheFirstBandHoldingThePercentage() {
        QCOMPARE(gradeFor(100, kBands), 1);
        QCOMPARE(gradeFor(90, kBands), 1);
        QCOMPARE(gradeFor(89, kBands), 2);
        QCOMPARE(gradeFor(50, kBands), 3);
        QCOMPARE(gradeFor(29, kBands), 5);
        QCOMPARE(gradeFor(101, kBands), 0);
    }

    void gradeScaleIsReadFromFiveLines() {
        QTemporaryDir dir;
        QFile file(dir.filePath("Znamky.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("90|100|jednotka\r\n75|89|\r\n50|74|\r\n30|49|\r\n0|29|\r\n");
        file.close();
        const auto bands = LoadGradeScale(file.fileName());
        QCOMPARE(bands.size(), 5);
        QCOMPARE(bands[0].low, 90);
        QCOMPARE(bands[4].high, 29);
        QCOMPARE(bands[3].grade, 4);
    }

    void brokenGradeScaleRaises_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("second bar missing")
            << QByteArray("90|100\r\n75|89|\r\n50|74|\r\n30|49|\r\n0|29|\r\n");
        QTest::newRow("not a number")
            << QByteArray("90|sto|\r\n75|89|\r\n50|74|\r\n30|49|\r\n0|29|\r\n");
        QTest::newRow("four lines") << QByteArray("90|100|\r\n75|89|\r\n50|74|\r\n30|49|\r\n");
        QTest::newRow("empty band") << QByteArray("90|100|\r\n||\r\n50|74|\r\n30|49|\r\n0|29|\r\n");
        QTest::newRow("gap at 50")
            << QByteArray("90|100|\r\n75|89|\r\n51|74|\r\n30|49|\r\n0|29|\r\n");
        QTest::newRow("overlap") << QByteArray(
            "90|100|\r\n75|90|\r\n50|74|\r\n30|49|\r\n0|29|\r\n");
        QTest::newRow("upside down")
            << QByteArray("0|29|\r\n30|49|\r\n50|74|\r\n75|89|\r\n90|100|\r\n");
        QTest::newRow("above 100")
            << QByteArray("90|110|\r\n75|89|\r\n50|74|\r\n30|49|\r\n0|29|\r\n");
    }
    void brokenGradeScaleRaises() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath("Znamky.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY_THROWS_EXCEPTION(AppError, LoadGradeScale(file.fileName()));
        QVERIFY_THROWS_EXCEPTION(AppError, LoadGradeScale(dir.filePath("none.dat")));
    }

    void firstResultOfAnEmptyTableLandsOnTop() {
        QStringList tab{"[2]", "Other|1|1|1"};
        {
            ResultsTable table(tab, 1);
            table.LoadTable();
            QVERIFY(table.row(0).isEmpty());
            // Nothing answered is no result, even in an empty table (found by fuzzing).
            QCOMPARE(table.RecordResult("Idle", 0, 0, kBands), -1);
            QCOMPARE(table.RecordResult("  Eva  ", 13, 2, kBands), 0);
            QCOMPARE(table.current().grade, 2);
            QCOMPARE(table.percentage(), 87);
        }
        QStringList expected{"[2]", "Other|1|1|1", "[1]", "Eva|13|2|2"};
        for (int k = 0; k < 9; ++k)
            expected << " |0|0|0";
        QCOMPARE(tab, expected);
    }

    void resultWorseThanAFullTableIsDropped() {
        QStringList tab = fullTable();
        {
            ResultsTable table(tab, 1);
            table.LoadTable();
            QCOMPARE(table.RecordResult("Slow", 1, 9, kBands), -1);
        }
        QCOMPARE(tab, fullTable());
    }

    void ordersByGradeThenRightThenWrongAndEqualGoesBelow() {
        QStringList tab{"[7]", "A|10|0|1", "B|9|1|1", "C|5|5|3"};
        ResultsTable table(tab, 7);
        table.LoadTable();
        QCOMPARE(table.RecordResult("D", 9, 1, kBands), 2);  // equal to B: directly below
        QCOMPARE(table.RecordResult("E", 12, 3, kBands), 3); // grade 2 after all grade-1 rows
        QCOMPARE(table.RecordResult("F", 18, 2, kBands), 0); // grade 1, more right than A
        QCOMPARE(table.RecordResult("G", 9, 0, kBands), 2);  // as many right as B, fewer wrong
        QStringList names;
        for (int k = 0; k < 7; ++k)
            names << table.row(k).name;
        QCOMPARE(names, (QStringList{"F", "A", "G", "B", "D", "E", "C"}));
    }

    void loadingTakesTheSectionOutUntilSaved() {
        QStringList tab{"[1]", "A|10|0|1", "[3]", "B|1|0|1"};
        {
            ResultsTable table(tab, 1);
            table.LoadTable();
            QCOMPARE(tab, (QStringList{"[3]", "B|1|0|1"}));
            QCOMPARE(table.row(0).name, QString("A"));
        }
        QCOMPARE(tab.mid(0, 4), (QStringList{"[3]", "B|1|0|1", "[1]", "A|10|0|1"}));
        QCOMPARE(tab.size(), 13);
    }

    void namesAreCutForTheTableAndCannotBreakItsSections() {
        QCOMPARE(ResultsTable::tableName(QString(40, 'x')).size(), 30);
        QCOMPARE(ResultsTable::tableName(" [1] Ana|B "), QString("(1) Ana/B"));
        QStringList tab;
        {
            ResultsTable table(tab, 5);
            table.LoadTable();
            table.RecordResult("[9]", 10, 0, kBands);
            table.RecordResult("Jana", 9, 1, kBands);
        }
        ResultsTable again(tab, 5);
        again.LoadTable();
        QCOMPARE(again.row(0).name, QString("(9)"));
        QCOMPARE(again.row(1).name, QString("Jana"));
    }

    // A row no game could have written reads as empty instead of blocking
    // the table or being ranked first.
    void impossibleRowsReadAsEmpty_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("not a number") << "A|x|0|1";
        QTest::newRow("no fields") << "B";
        QTest::newRow("negative count") << "C|-3|0|1";
        QTest::newRow("grade 9") << "D|10|0|9";
        QTest::newRow("grade 0 with a name") << "E|10|0|0";
        QTest::newRow("count above a byte") << "F|300|0|1";
        QTest::newRow("nothing answered") << "G|0|0|1";
        QTest::newRow("a field too many") << "H|10|0|1|5";
    }
    void impossibleRowsReadAsEmpty() {
        QFETCH(QString, line);
        QStringList tab{"[4]", line, "Eva|9|1|1"};
        ResultsTable table(tab, 4);
        table.LoadTable();
        QVERIFY(table.row(0).isEmpty());
        QCOMPARE(table.row(0).grade, 0);
        QCOMPARE(table.row(1).name, QString("Eva"));
        QCOMPARE(table.RecordResult("New", 5, 5, kBands), 2); // the empty row sinks below both
        QCOMPARE(table.row(0).name, QString("Eva"));
    }

    // Names go into the files as typed: no "%1" is substituted, and no
    // control character can split a row or cut the file.
    void namesReachTheFilesUnchanged_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("%1") << "%1"
                            << "%1";
        QTest::newRow("Jan%3") << "Jan%3"
                               << "Jan%3";
        QTest::newRow("%%") << "%% %L1"
                            << "%% %L1";
        QTest::newRow("line feed") << "Ja\nna"
                                   << "Jana";
        QTest::newRow("CR, tab, NUL") << QString("E\rv\ta") + QChar(0) << "Eva";
    }
    void namesReachTheFilesUnchanged() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QStringList tab;
        {
            ResultsTable table(tab, 2);
            table.LoadTable();
            table.RecordResult(typed, 10, 0, kBands);
        }
        QCOMPARE(tab[1], stored + "|10|0|1");
        ResultsTable again(tab, 2);
        again.LoadTable();
        QCOMPARE(again.row(0).name, stored);
        const QStringList record = logRecord(typed, 2, 10, 0, 1, QDateTime::currentDateTime());
        QVERIFY(record[0].startsWith("Jméno: " + stored + "  "));
    }

    // A damaged tab.dat may hold a game's section twice: the table shows and
    // keeps the rows of both, and the file gets one section again.
    void duplicatedSectionsAreMergedWithoutLosingRows() {
        QStringList tab{"[3]",     "A|10|0|1", "B|7|3|3", "[5]",
                        "X|1|0|1", "[3]",      "C|9|1|1", "D|5|5|3"};
        {
            ResultsTable table(tab, 3);
            table.LoadTable();
            QCOMPARE(tab, (QStringList{"[5]", "X|1|0|1"}));
            QStringList names;
            for (int k = 0; k < 4; ++k)
                names << table.row(k).name;
            QCOMPARE(names, (QStringList{"A", "C", "B", "D"}));
            QVERIFY(table.row(4).isEmpty());
        }
        QCOMPARE(tab.count("[3]"), 1);
        QCOMPARE(tab.mid(2, 3), (QStringList{"[3]", "A|10|0|1", "C|9|1|1"}));
    }

    void logRecordHasTheFourLinesWithTheirPaddings() {
        const QDateTime when(QDate(2026, 12, 6), QTime(9, 5));
        const QStringList lines = logRecord("Eva", 1, 13, 2, 2, when);
        QCOMPARE(lines.size(), 4);
        QVERIFY(
            lines[0].startsWith(QStringLiteral("Jméno: Eva") + QString(32, ' ') + "   Datum: "));
        QCOMPARE(lines[0].indexOf("   Datum: "), 7 + 35);
        QVERIFY(lines[0].contains(QStringLiteral("   Čas: ")));
        QCOMPARE(lines[1], QStringLiteral("Hra: Pomocné slovesá"));
        QCOMPARE(
            lines[2],
            QStringLiteral(
                "Počet příkladů:  15       Správně:  13       Špatně:  2          Známka:  2"));
        QCOMPARE(lines[3], QString(75, '='));
        QCOMPARE(logRecord(QString(40, 'n'), 30, 0, 0, 0, when)[0].mid(7, 40), QString(40, 'n'));
        QCOMPARE(logRecord("x", 30, 0, 0, 0, when)[1], QString("Hra: "));
        QCOMPARE(logGameTitle(16), QStringLiteral("Predložky zu, über, bei, vor, durch, um"));
    }

    void logIsCreatedWhenMissingAndOnlyGrows() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Vysledky.dat");
        appendToLog(path, {"a", QStringLiteral("Špatně")});
        appendToLog(path, {"b"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("a\r\n\x8Apatn\xEC\r\nb\r\n"));
        QVERIFY_THROWS_EXCEPTION(AppError, appendToLog(dir.filePath("no/such/dir/log"), {"x"}));
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "test_results.moc"
