#include "controls/lchset.h"
#include "drills/words/antonym_rules.h"
#include "drills/words/skupiny_rules.h"
#include "store/app_error.h"

#include <QSet>
#include <QTest>

using namespace vz;

namespace {

// Twelve lines of antonyms, enough for any page.
QStringList antonymSection() {
    return {"groß|klein", "schnell|langsam", "hell|dunkel",   "laut|leise",
            "reich|arm",  "dick|dünn",       "voll|leer",     "früh|spät",
            "hart|weich", "teuer|billig",    "stark|schwach", "nass|trocken"};
}

} // namespace

class TestWordRules : public QObject {
    Q_OBJECT
private slots:
    void oddOneOutRowsAreReadFromGroupAndSentence() {
        const OddRow row =
            skupiny::parseExample(" Hund | Apfel|Birne|Pflaume ", "@Im Herbst ist die|reif.#Birne");
        QCOMPARE(row.oddWord, QString("Hund"));
        QCOMPARE(row.textBefore, QString("Im Herbst ist die"));
        QCOMPARE(row.textAfter, QString("reif."));
        QCOMPARE(row.blankWord, QString("Birne"));
        QCOMPARE(skupiny::answerFirstLine(row), QString("Do radu nepatrí: 'Hund'"));
        QCOMPARE(skupiny::answerSecondLine(row), QString("Im Herbst ist die Birne reif."));
        const OddRow first = skupiny::parseExample("a|b|c|d", "@|ist rot.#b");
        QCOMPARE(skupiny::answerSecondLine(first), QString("b ist rot."));
    }

    void oddOneOutNeedsBothSteps_data() {
        QTest::addColumn<QString>("crossed");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<bool>("right");
        QTest::newRow("crossed in other case") << "HUND"
                                               << "Birne" << true;
        QTest::newRow("wrong word crossed") << "Apfel"
                                            << "Birne" << false;
        QTest::newRow("blank in other case") << "Hund"
                                             << "birne" << false;
    }
    void oddOneOutNeedsBothSteps() {
        QFETCH(QString, crossed);
        QFETCH(QString, blank);
        const OddRow row =
            skupiny::parseExample("Hund|Apfel|Birne|Pflaume", "@Die|ist reif.#Birne");
        QTEST(skupiny::isRight(row, crossed, blank), "right");
    }

    // Pages come from different groups while the section allows; a used
    // sentence returns only when no fresh one is left; too little content
    // ends the drawing instead of searching forever.
    void oddOneOutPagesAreDrawnFairly() {
        QStringList section;
        for (int g = 0; g < 6; ++g) {
            section << QString("odd%1|a%1|b%1|c%1").arg(g) << QString("@x|y#a%1").arg(g)
                    << QString("#a comment") << QString("@u|v#b%1").arg(g);
        }
        QRandomGenerator random(5);
        TLChSet used(48), page(12);
        const QVector<OddRow> rows = skupiny::dealPage(section, 5, used, page, random, "[7b]");
        QSet<QString> groups;
        for (const OddRow& row : rows) {
            groups << row.oddWord;
            QCOMPARE(QSet<QString>(row.words.begin(), row.words.end()).size(), 4);
        }
        QCOMPARE(groups.size(), 5);
        for (int index : page.Members())
            QVERIFY(section[index].startsWith('@'));
        for (int i = 0; i < section.size(); ++i) {
            if (section[i].startsWith('@') && !page.Contains(i))
                used.Add(i);
        }
        TLChSet second(12);
        skupiny::dealPage(section, 5, used, second, random, "[7b]");
        int fresh = 0;
        for (int index : second.Members())
            fresh += used.Contains(index) ? 0 : 1;
        QCOMPARE(fresh, 5); // the five never used come first
        TLChSet third(12);
        QVERIFY_THROWS_EXCEPTION(
            AppError, skupiny::dealPage(section.mid(0, 8), 5, used, third, random, "[7b]"));
    }

    void antonymPagesHoldTrueAndFalsePairs() {
        QRandomGenerator random(9);
        for (int size : {5, 10}) {
            for (int round = 0; round < 50; ++round) {
                TLChSet used(48), page(12);
                const QVector<AntonymRow> rows =
                    antonym::dealPage(antonymSection(), size, used, page, random, "[7c]");
                QCOMPARE(rows.size(), size);
                int pairs = 0;
                for (const AntonymRow& row : rows) {
                    pairs += row.isPair ? 1 : 0;
                    if (row.isPair)
                        QCOMPARE(row.shown, row.antonym);
                    else // a false pair never shows the true antonym
                        QVERIFY(row.shown != row.antonym && !row.shown.isEmpty());
                }
                QVERIFY(pairs >= 2 && pairs <= size - 1);
            }
        }
    }

    void antonymRowsAreJudged_data() {
        QTest::addColumn<bool>("isPair");
        QTest::addColumn<int>("choice"); // 0 unset, 1 yes, 2 no
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("pair, yes, field ignored") << true << 1 << "Unsinn" << true;
        QTest::newRow("pair, no") << true << 2 << "klein" << false;
        QTest::newRow("false pair, no, typed") << false << 2 << " klein " << true;
        QTest::newRow("false pair, no, other case") << false << 2 << "Klein" << false;
        QTest::newRow("false pair, yes") << false << 1 << "klein" << false;
        QTest::newRow("never switched") << true << 0 << "" << false;
    }
    void antonymRowsAreJudged() {
        QFETCH(bool, isPair);
        QFETCH(int, choice);
        QFETCH(QString, typed);
        AntonymRow row = antonym::parseLine("groß|klein");
        row.isPair = isPair;
        QTEST(antonym::isRight(row, AntonymSwitch(choice), typed), "right");
    }

    void contentFaultsAreFound_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -2: sound
        QTest::newRow("7b sound") << "[7b]"
                                  << QStringList{"Hund|Apfel|Birne|Pflaume", "@Die|ist reif.#Birne"}
                                  << -2;
        QTest::newRow("7b blank is the odd word")
            << "[7b]" << QStringList{"Hund|Apfel|Birne|Pflaume", "@Der|bellt.#Hund"} << 1;
        QTest::newRow("7b three words")
            << "[7b]" << QStringList{"Hund|Apfel|Birne", "@Die|ist reif.#Birne"} << 0;
        QTest::newRow("7b group without sentence")
            << "[7b]" << QStringList{"Hund|Apfel|Birne|Pflaume"} << 0;
        QTest::newRow("7b no blank word")
            << "[7b]" << QStringList{"Hund|Apfel|Birne|Pflaume", "@Die|ist reif."} << 1;
        QTest::newRow("7c no antonym") << "[7c]" << (antonymSection() << "gut|") << 12;
        QTest::newRow("7c repeated word") << "[7c]" << (antonymSection() << "Groß|winzig") << 12;
        QTest::newRow("7c too few") << "[7c]" << antonymSection().mid(0, 5) << -1;
    }
    void contentFaultsAreFound() {
        QFETCH(QString, header);
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection(header, body);
        QVERIFY2(problems.isEmpty() == (faultyLine == -2), qPrintable(problems.value(0).what));
        if (faultyLine != -2)
            QCOMPARE(problems[0].line, faultyLine);
    }
};

QTEST_GUILESS_MAIN(TestWordRules)
#include "test_word_rules.moc"
