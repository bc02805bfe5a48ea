// The rules of the number tile drills: numeral matching (6a) and informal
// clock times (6d), with the tile column they share.

#include "controls/lchset.h"
#include "drills/numbers/casy_rules.h"
#include "drills/numbers/cisl_rules.h"
#include "drills/numbers/tile_swap.h"
#include "store/app_error.h"

#include <QTest>
#include <algorithm>

using namespace vz;

namespace {

// Thirty numerals that pass the check, 1 ... 30.
QStringList numerals() {
    QStringList lines;
    for (int n = 1; n <= 30; ++n)
        lines << cisl::germanNumeral(n) + "|" + QString::number(n);
    return lines;
}

// Thirty-three times that pass the check, in order, every third with two wordings.
QStringList times() {
    QStringList lines;
    for (int h = 1; h <= 11; ++h) {
        const QString hour = cisl::germanNumeral(h);
        const QString next = cisl::germanNumeral(h + 1);
        lines << "fünf nach " + hour << "zwanzig nach " + hour + "|zehn vor halb " + next
              << "halb " + next;
    }
    return lines;
}

bool samePieces(QStringList a, QStringList b) {
    return std::is_permutation(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

class TestNumberTileRules : public QObject {
    Q_OBJECT
private slots:
    // The faulty line is named by its index; thirty good lines pass, 29 do not.
    void numeralLinesTheDrillCannotUseAreRejected_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("rejected");
        QTest::newRow("good") << "einhundert|100" << false;
        QTest::newRow("spaces around the parts") << " vierzig | 40 " << false;
        QTest::newRow("capital letter (sound name, typed answer)") << "Vierzig|40" << true;
        QTest::newRow("wrong digits") << "vierzig|41" << true;
        QTest::newRow("other spelling") << "siebenzehn|17" << true;
        QTest::newRow("eins in a compound") << "einsundzwanzig|21" << true;
        QTest::newRow("hundert without ein") << "hundert|100" << true;
        QTest::newRow("und after hundert") << "einhundertundeins|101" << true;
        QTest::newRow("no bar") << "vierzig" << true;
        QTest::newRow("leading zero") << "vierzig|040" << true;
        QTest::newRow("repeated numeral") << "eins|1" << true;
    }
    void numeralLinesTheDrillCannotUseAreRejected() {
        QFETCH(QString, line);
        QFETCH(bool, rejected);
        const ContentProblems problems = cisl::checkExamples(numerals() << line);
        QCOMPARE(problems.size(), rejected ? 1 : 0);
        if (rejected)
            QCOMPARE(problems[0].line, 30);
        QCOMPARE(cisl::checkExamples(numerals().mid(1)).size(), 1);
    }

    void informalWordingsNameTheirTime_data() {
        QTest::addColumn<QString>("wording");
        QTest::addColumn<int>("minutes"); // after one o'clock; -1: rejected
        QTest::newRow("ein Uhr") << "ein Uhr" << 0;
        QTest::newRow("Viertel nach drei") << "Viertel nach drei" << 135;
        QTest::newRow("fünf vor halb vier") << "fünf vor halb vier" << 145;
        QTest::newRow("zehn nach halb vier") << "zehn nach halb vier" << 160;
        QTest::newRow("halb eins is 12:30") << "halb eins" << 690;
        QTest::newRow("regional dreiviertel") << "dreiviertel vier" << -1;
        QTest::newRow("regional viertel + hour") << "viertel vier" << -1;
        QTest::newRow("kurz names no exact time") << "kurz nach drei" << -1;
        QTest::newRow("hour out of range") << "fünf nach dreizehn" << -1;
        QTest::newRow("minute out of range") << "vierzig nach drei" << -1;
        QTest::newRow("minute out of range at halb") << "fünfzehn vor halb vier" << -1;
        QTest::newRow("Viertel before halb") << "Viertel vor halb vier" << -1;
        QTest::newRow("eins Uhr") << "eins Uhr" << -1;
        QTest::newRow("doubled space") << "halb  vier" << -1;
    }
    void informalWordingsNameTheirTime() {
        QFETCH(QString, wording);
        QFETCH(int, minutes);
        const casy::ClockTime time = casy::readTime(wording);
        QCOMPARE(time.minutes, minutes);
        QCOMPARE(time.fault.isEmpty(), minutes >= 0);
    }

    // The order of the lines is the order the drill judges by.
    void timeLinesOutOfOrderOrOfTwoTimesAreRejected_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("line");
        QTest::newRow("fits between") << 1 << "zehn nach eins";
        QTest::newRow("before the line above") << 1 << "ein Uhr";
        QTest::newRow("the same time again") << 2 << "zehn vor halb zwei";
        QTest::newRow("wordings of two times") << 1 << "zehn nach eins|zehn vor eins";
        QTest::newRow("hour out of range") << 33 << "zehn nach dreizehn";
        QTest::newRow("an empty wording") << 33 << "halb eins|";
    }
    void timeLinesOutOfOrderOrOfTwoTimesAreRejected() {
        QFETCH(int, at);
        QFETCH(QString, line);
        QStringList body = times();
        body.insert(at, line);
        const ContentProblems problems = casy::checkExamples(body);
        QCOMPARE(problems.size(), line == "zehn nach eins" ? 0 : 1);
        if (!problems.isEmpty())
            QCOMPARE(problems[0].line, at);
        QStringList full = times();
        while (full.size() < casy::kLineLimit)
            full << "# the order is kept in a byte";
        QCOMPARE(casy::checkExamples(full).size(), 1);
        QCOMPARE(casy::checkExamples(times().mid(0, 29)).size(), 1); // too few for a game
    }

    // A drop swaps with the first other tile of the page whose home holds
    // the point, edges included.
    void droppedTilesSwapTexts_data() {
        QTest::addColumn<int>("dragged");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("target");
        QTest::newRow("3 on 7") << 3 << QPoint(400, 123 + 6 * 32 + 10) << 7;
        QTest::newRow("on itself") << 3 << QPoint(400, 123 + 64 + 10) << 0;
        QTest::newRow("right and bottom edge") << 1 << QPoint(326 + 230, 123 + 64 + 20) << 3;
        QTest::newRow("beyond the edge") << 1 << QPoint(326 + 231, 123 + 64) << 0;
        QTest::newRow("between two rows") << 1 << QPoint(400, 123 + 64 + 25) << 0;
        QTest::newRow("a row the page does not have") << 1 << QPoint(400, 123 + 8 * 32) << 0;
    }
    void droppedTilesSwapTexts() {
        QFETCH(int, dragged);
        QFETCH(QPoint, at);
        QFETCH(int, target);
        tiles::TileColumn column(QRect(326, 123, 230, 20), 32);
        const QStringList texts{"1", "2", "3", "4", "5", "6", "7", "8"};
        column.deal(texts);
        QCOMPARE(column.drop(dragged, at), target);
        QStringList expected = texts;
        if (target)
            expected.swapItemsAt(dragged - 1, target - 1);
        QCOMPARE(column.texts(), expected);
    }

    // The tiles hold the page's answers; comments are never dealt; a
    // section too short for a page ends the drawing.
    void numeralPagesHoldTheirAnswers() {
        QRandomGenerator random(7);
        TLChSet used(48);
        TLChSet page(12);
        const QStringList section = numerals().mid(0, 10) << "#elf|11";
        const cisl::Page dealt = cisl::dealPage(section, 10, used, page, random, "[6a]");
        QStringList answers;
        for (const CislExample& example : dealt.examples)
            answers << example.answer;
        QVERIFY(samePieces(answers, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        QVERIFY(samePieces(dealt.tiles, answers));
        QVERIFY(cisl::isRight(dealt, 2, answers[1]));
        QVERIFY(!cisl::isRight(dealt, 2, answers[1] + " "));
        QVERIFY_THROWS_EXCEPTION(
            AppError, cisl::dealPage(numerals().mid(0, 4), 5, used, page, random, "[6a]"));
        QCOMPARE(cisl::pageSize(15), 10);
        QCOMPARE(cisl::pageSize(5), 5);
    }

    // The expected order is the order of the lines, whichever wording was picked.
    void timePagesExpectTheOrderOfTheirLines() {
        QRandomGenerator random(3);
        TLChSet used(48);
        for (int round = 0; round < 20; ++round) {
            TLChSet page(12);
            const casy::Page dealt = casy::dealPage(times(), used, page, random, "[6d]");
            QCOMPARE(dealt.order.size(), casy::kRows);
            QVERIFY(samePieces(dealt.tiles, dealt.order));
            for (int k = 1; k < casy::kRows; ++k)
                QVERIFY(casy::readTime(dealt.order[k - 1]).minutes <
                        casy::readTime(dealt.order[k]).minutes);
        }
        TLChSet page(12);
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 casy::dealPage(times().mid(0, 9), used, page, random, "[6d]"));
        QCOMPARE(casy::examplesAfterPage(30), 20);
        QCOMPARE(casy::examplesAfterPage(5), 0); // never wraps below 0
        QStringList one{"x"};
        tiles::shuffle(one, random); // one tile: nothing to swap, and no endless search
        QCOMPARE(one, QStringList{"x"});
    }
};

QTEST_GUILESS_MAIN(TestNumberTileRules)
#include "test_number_tile_rules.moc"
