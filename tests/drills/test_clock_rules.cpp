// The rules of the formal clock drill (6c): hand angles, wordings, the
// content check, the board of tiles and labels, and a bounded drawing.

#include "drills/numbers/clock_rules.h"
#include "store/app_error.h"

#include <QTest>

using namespace vz;

namespace {

QStringList section(int lines) {
    QStringList body;
    for (int m = 0; m < lines; ++m)
        body << QStringLiteral("7.%1|").arg(m) + hod::formalWordings(7, m).join('|');
    return body;
}

} // namespace

class TestClockRules : public QObject {
    Q_OBJECT
private slots:
    // {hours, minutes, hour hand, minute hand}: 12 and 0, 8 and 20 look alike.
    void handsPointLikeOnARealClock() {
        const QList<std::array<double, 4>> table{{8, 15, 247.5, 90},
                                                 {20, 15, 247.5, 90},
                                                 {12, 0, 0, 0},
                                                 {0, 0, 0, 0},
                                                 {11, 59, 359.5, 354}};
        for (const auto& [h, m, hour, minute] : table) {
            const hod::HandAngles hands = hod::handAngles(int(h), int(m));
            QVERIFY2(hands.hour == hour && hands.minute == minute, qPrintable(QString::number(h)));
        }
    }

    void wordingsAreDrawnEvenlyAndTrimmed() {
        QRandomGenerator random(6);
        QCOMPARE(hod::pickWording("8.15| acht Uhr fünfzehn ", random),
                 QString("acht Uhr fünfzehn"));
        QHash<QString, int> seen;
        for (int i = 0; i < 3000; ++i)
            ++seen[hod::pickWording("1.00|a| b |c", random)];
        QCOMPARE(seen.keys().size(), 3);
        for (int n : seen)
            QVERIFY2(n > 900 && n < 1100, qPrintable(QString::number(n)));
    }

    // Each faulty line is named once at its place; a commented copy is never checked.
    void theCheckNamesEveryLineTheDrillCannotUse() {
        const QList<QPair<QString, QString>> faults{
            {"8,15|acht Uhr fünfzehn", "a line is"},
            {"8.15|acht Uhr fünfzehn|", "a line is"},
            {"25.15|x", "out of range"},
            {"8.75|x", "out of range"},
            {"8.15|acht Uhr fünfzig", "does not tell 8.15"},
            {"19.03|sieben Uhr drei", "repeats the example of line 4"},
            {"9.00|neun Uhr|neun Uhr", "stands twice"}};
        for (const auto& [line, fault] : faults) {
            const ContentProblems problems = hod::checkExamples(section(12) << "#" + line << line);
            QVERIFY2(problems.size() == 1 && problems[0].line == 13 &&
                         problems[0].what.contains(fault),
                     qPrintable(line + ": " + problems.value(0).what));
        }
        QVERIFY(hod::checkExamples(section(12)).isEmpty());
        QCOMPARE(hod::checkExamples(section(9)).value(0).line, -1); // cannot fill a page
    }

    void tilesGoToLabelsAndBackAndAreJudgedExactly() {
        hod::Board board({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
        board.drop(2, 1);
        board.drop(5, 1); // "b" goes back to the first hidden tile, 2
        board.drop(5, 3); // a hidden tile places nothing
        QCOMPARE(QStringList({board.label(1), board.tile(2), board.tile(5), board.label(3)}),
                 QStringList({"e", "b", "", ""}));
        board.giveBack(1);
        QCOMPARE(QStringList({board.label(1), board.tile(5)}), QStringList({"", "e"}));
        const ClockExample clock{8, 15, "acht Uhr fünfzehn"};
        QVERIFY(hod::isRight(clock, "acht Uhr fünfzehn"));
        QVERIFY(!hod::isRight(clock, "Acht Uhr fünfzehn") && !hod::isRight(clock, ""));
        QVERIFY(!hod::isRight({8, 15, ""}, ""));
        QCOMPARE(hod::tileFontSize([](int px) { return 15 * px; }), 15);
        QCOMPARE(hod::tileFontSize([](int) { return 999; }), 8);
    }

    // Ten different lines a page, all right wordings among the tiles; used
    // lines come again only when nothing else is left; never an endless search.
    void drawingFillsAPageOrRaises() {
        QRandomGenerator random(7);
        TLChSet used(48);
        for (int page = 0; page < 3; ++page) {
            TLChSet dealt(12);
            const hod::Page p = hod::dealPage(section(12), used, dealt, random, "[6c]");
            QCOMPARE(dealt.Members().size(), 10);
            QStringList tiles(p.tiles.begin(), p.tiles.end());
            for (const ClockExample& clock : p.clocks) {
                QVERIFY(hod::formalWordings(clock.Hours, clock.Minutes).contains(clock.Answer));
                QVERIFY(tiles.removeOne(clock.Answer));
            }
            for (int index : dealt.Members())
                used.Add(index);
        }
        for (const QStringList& bad : {section(9), section(12).replaceInStrings("7.", "7:")}) {
            TLChSet dealt(12);
            QVERIFY_THROWS_EXCEPTION(AppError, hod::dealPage(bad, used, dealt, random, "[6c]"));
        }
    }
};

QTEST_GUILESS_MAIN(TestClockRules)
#include "test_clock_rules.moc"
