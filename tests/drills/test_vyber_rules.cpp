#include "drills/verbs/vyber_rules.h"

#include <QSet>
#include <QTest>

using namespace vz;

class TestVyberRules : public QObject {
    Q_OBJECT
private slots:
    void examplesAreSplitAndTrimmed_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("correct");
        QTest::newRow("plain") << "Mein Bruder|zwölf Jahre alt."
                               << "ist|bist|sind" << QStringLiteral("Mein Bruder")
                               << "zwölf Jahre alt."
                               << "ist";
        QTest::newRow("spaces") << "  Wir | müde. "
                                << " sind |seid| bin "
                                << "Wir" << QStringLiteral("müde.") << "sind";
        QTest::newRow("gap at the start") << "|du heute Zeit?"
                                          << "Hast|Habt|Hat"
                                          << ""
                                          << "du heute Zeit?"
                                          << "Hast";
        QTest::newRow("gap at the end") << "Das Buch ist|"
                                        << "neu|alt|rot"
                                        << "Das Buch ist"
                                        << ""
                                        << "neu";
    }
    void examplesAreSplitAndTrimmed() {
        QFETCH(QString, sentence);
        QFETCH(QString, choices);
        const VyberRow row = vyber::parseExample(sentence, choices);
        QTEST(row.before, "before");
        QTEST(row.after, "after");
        QTEST(row.correct, "correct");
    }

    void allSixOrdersOccurAndTheCorrectFormStays() {
        QRandomGenerator random(11);
        QSet<QString> orders;
        for (int i = 0; i < 600; ++i) {
            VyberRow row = vyber::parseExample("a|b", "ist|bist|sind");
            vyber::shuffleForms(row, random);
            QCOMPARE(row.correct, QString("ist"));
            QStringList shown{row.offered[0], row.offered[1], row.offered[2]};
            QStringList sorted = shown;
            sorted.sort();
            QCOMPARE(sorted, (QStringList{"bist", "ist", "sind"}));
            orders << shown.join(',');
        }
        QCOMPARE(orders.size(), 6);
    }

    void onlyTheExactFormIsRight() {
        const VyberRow row = vyber::parseExample("Ich|müde.", "bin|bist|ist");
        QVERIFY(vyber::isRight(row, "bin"));
        QVERIFY(!vyber::isRight(row, "Bin"));
        QVERIFY(!vyber::isRight(row, "bist"));
        QVERIFY(!vyber::isRight(row, ""));
    }

    // The build refuses content that a game could not play fairly.
    void contentFaultsAreFound_data() {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -1: sound
        const QStringList sound{"Ich|müde.", "bin|bist|ist"};
        QTest::newRow("sound") << sound << -1;
        QTest::newRow("contraction before an article")
            << QStringList{"Er klettert|den Zaun.", "über|zum|beim"} << 1;
        QTest::newRow("contraction before a possessive")
            << QStringList{"Ich gehe|meiner Oma.", "zu|zur|um"} << 1;
        QTest::newRow("contraction where one belongs")
            << QStringList{"Ich gehe|Arzt.", "zum|zur|beim"} << -1;
        QTest::newRow("wrong form equals the right one")
            << QStringList{"Ich|müde.", "bin|bist|bin"} << 1;
        QTest::newRow("empty form") << QStringList{"Ich|müde.", "bin||ist"} << 1;
        QTest::newRow("two forms only") << QStringList{"Ich|müde.", "bin|bist"} << 1;
        QTest::newRow("no gap") << QStringList{"Ich bin müde.", "bin|bist|ist"} << 0;
        QTest::newRow("half an example") << (sound + QStringList{"Du|müde."}) << 2;
        QTest::newRow("repeated sentence")
            << (sound + QStringList{"ich | müde", "bin|ist|sind"}) << 2;
    }
    void contentFaultsAreFound() {
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection("[1a]", body);
        if (faultyLine < 0) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).what));
        } else {
            QCOMPARE(problems.size(), 1);
            QCOMPARE(problems[0].line, faultyLine);
        }
        QCOMPARE(checkContentSection("[9z]", {"Ich|müde.", "bin|bist|ist"}).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestVyberRules)
#include "test_vyber_rules.moc"
