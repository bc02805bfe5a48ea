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

    void malformedRowsReadAsEmptyInsteadOfBlockingTheGame() {
        QStringList tab{"[4]", "A|x|0|1", "B"};
        ResultsTable table(tab, 4);
        table.LoadTable();
        QCOMPARE(table.row(0).right, 0);
        QCOMPARE(table.row(1).grade, 0);
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
