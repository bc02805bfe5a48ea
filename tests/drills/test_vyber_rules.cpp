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

    void pagesHoldTenOrFive() {
        QCOMPARE(vyber::pageSize(30), 10);
        QCOMPARE(vyber::pageSize(10), 10);
        QCOMPARE(vyber::pageSize(5), 5);
    }
};

QTEST_GUILESS_MAIN(TestVyberRules)
#include "test_vyber_rules.moc"
