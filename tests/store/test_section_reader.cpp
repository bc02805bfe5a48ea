#include "store/app_error.h"
#include "store/section_reader.h"

#include <QTest>

using namespace vz;

class TestSectionReader : public QObject {
    Q_OBJECT
private slots:
    void bodyRunsToTheNextLineStartingWithABracket_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("body");
        const QStringList data{"[1a]", "a|b", "#comment", "[3c]", "c|d", "[broken", "e", "[4c]"};
        QTest::newRow("first") << data << "[1a]" << QStringList{"a|b", "#comment"};
        QTest::newRow("ended by an invalid header") << data << "[3c]" << QStringList{"c|d"};
        QTest::newRow("empty last section") << data << "[4c]" << QStringList{};
        QTest::newRow("runs to the end")
            << QStringList{"x", "[7e]", "1", "2"} << "[7e]" << QStringList{"1", "2"};
        QTest::newRow("empty line stays in the body")
            << QStringList{"[5a]", "a", "", "b", "[5b]"} << "[5a]" << QStringList{"a", "", "b"};
    }
    void bodyRunsToTheNextLineStartingWithABracket() {
        QFETCH(QStringList, lines);
        QFETCH(QString, header);
        QFETCH(QStringList, body);
        QCOMPARE(readSection(lines, header), body);
    }

    void missingSectionRaisesCannotOpenFile_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("absent") << QStringList{"[1a]", "x"};
        QTest::newRow("other letter case fails the presence test") << QStringList{"[1B]", "x"};
        QTest::newRow("only inside a longer line") << QStringList{"see [1b] below", "x"};
        QTest::newRow("empty list") << QStringList{};
    }
    void missingSectionRaisesCannotOpenFile() {
        QFETCH(QStringList, lines);
        try {
            readSection(lines, "[1b]");
            QFAIL("no error raised");
        } catch (const AppError& error) {
            QVERIFY(error.message().contains("Cannot open file"));
        }
    }

    void headerLineIsFoundIgnoringCaseOncePresent() {
        // "[1b]" occurs exactly in the text, the line search takes the first
        // line equal to it in any letter case.
        const QStringList lines{"[1B]", "upper", "[1b]", "lower"};
        QCOMPARE(readSection(lines, "[1b]"), QStringList{"upper"});
    }

    void gameHeaderIsGroupDigitAndLetter() {
        QCOMPARE(gameSectionHeader(1, 'a'), QString("[1a]"));
        QCOMPARE(gameSectionHeader(7, 'e'), QString("[7e]"));
    }
};

QTEST_GUILESS_MAIN(TestSectionReader)
#include "test_section_reader.moc"
