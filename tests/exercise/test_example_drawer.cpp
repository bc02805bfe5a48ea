#include "exercise/example_drawer.h"
#include "store/app_error.h"

#include <QSet>
#include <QTest>

using namespace vz;

namespace {

QStringList pairs(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("s%1|x").arg(i) << QStringLiteral("a%1|b|c").arg(i);
    return lines;
}

} // namespace

class TestExampleDrawer : public QObject {
    Q_OBJECT
private slots:
    void drawsDistinctFirstLinesOfExamples() {
        QRandomGenerator random(1);
        ExampleDrawer drawer(pairs(20), 2, &random);
        TLChSet used(48), page(12);
        const QVector<int> drawn = drawer.drawPage(10, used, page, "[1a]");
        QCOMPARE(drawn.size(), 10);
        QCOMPARE(QSet<int>(drawn.begin(), drawn.end()).size(), 10);
        for (int index : drawn) {
            QCOMPARE(index % 2, 0);
            QVERIFY(page.Contains(index));
            QVERIFY(drawer.lines()[index].startsWith("#s"));
        }
    }

    void commentsAndUsedExamplesAreNotDrawn() {
        QStringList lines = pairs(8);
        lines[0] = "#" + lines[0];
        QRandomGenerator random(2);
        for (int round = 0; round < 20; ++round) {
            ExampleDrawer drawer(lines, 2, &random);
            TLChSet used(48), page(12);
            used.Add(2);
            used.Add(4);
            const QVector<int> drawn = drawer.drawPage(5, used, page, "[1a]");
            QVERIFY(!drawn.contains(0));
            QVERIFY(!drawn.contains(2));
            QVERIFY(!drawn.contains(4));
        }
    }

    void usedExamplesComeBackOnlyWhenNothingElseIsLeft() {
        QRandomGenerator random(3);
        ExampleDrawer drawer(pairs(6), 2, &random);
        TLChSet used(48), page(12);
        for (int i : {0, 2, 4})
            used.Add(i);
        const QVector<int> drawn = drawer.drawPage(5, used, page, "[1a]");
        for (int fresh : {6, 8, 10})
            QVERIFY(drawn.contains(fresh));
    }

    void sectionTooShortForAPageRaisesInsteadOfLooping_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QStringList{};
        QTest::newRow("four examples") << pairs(4);
        QTest::newRow("only comments") << QStringList{"#a|b", "x|y|z"};
        QTest::newRow("cut-off pair and empty lines") << QStringList{"a|b", "", "c|d"};
    }
    void sectionTooShortForAPageRaisesInsteadOfLooping() {
        QFETCH(QStringList, lines);
        ExampleDrawer drawer(lines, 2);
        TLChSet used(48), page(12);
        try {
            drawer.drawPage(5, used, page, "[1a]");
            QFAIL("no error raised");
        } catch (const AppError& error) {
            QVERIFY(error.message().contains("Cannot open file"));
        }
    }

    void everyExampleIsDrawnSoonerOrLater() {
        QRandomGenerator random(4);
        QSet<int> seen;
        for (int round = 0; round < 200; ++round) {
            ExampleDrawer drawer(pairs(12), 2, &random);
            TLChSet used(48), page(12);
            for (int index : drawer.drawPage(5, used, page, "[1a]"))
                seen << index;
        }
        QCOMPARE(seen.size(), 12);
    }
};

QTEST_GUILESS_MAIN(TestExampleDrawer)
#include "test_example_drawer.moc"
