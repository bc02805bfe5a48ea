// Rules of the word order drill (5a) and the case drill (3b), without widgets.

#include "drills/sentences/pady_rules.h"
#include "drills/sentences/poradek_rules.h"

#include <QSet>
#include <QTest>

using namespace vz;
using poradek::WordOrder;

namespace {

// Ten pixels a character at 16 pixels, proportionally smaller below.
int fakeWidth(const QString& text, int size) {
    return int(text.size()) * 10 * size / 16;
}

QStringList problemLines(const ContentProblems& problems) {
    QStringList lines;
    for (const ContentProblem& problem : problems)
        lines << QString::number(problem.line);
    return lines;
}

} // namespace

class TestPoradekPadyRules : public QObject {
    Q_OBJECT
private slots:
    // The words, once swapped into an order, read as the sentence or not.
    void wordOrderIsJudgedByTheJoinedText_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("swaps"); // pairs of places
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("right");
        const QString ist = "Lisa|ist|traurig|,|weil|ihre|Katze|weggelaufen|ist|.";
        const QString right = "Lisa ist traurig, weil ihre Katze weggelaufen ist.";
        QTest::newRow("as written") << ist << QList<int>{} << right << true;
        QTest::newRow("equal words swapped") << ist << QList<int>{1, 8} << right << true;
        QTest::newRow("comma at the start")
            << ist << QList<int>{0, 3} << ", ist traurig Lisa weil ihre Katze weggelaufen ist."
            << false;
        QTest::newRow("full stop inside") << "Ich|kann|leider|nicht|kommen|." << QList<int>{4, 5}
                                          << "Ich kann leider nicht. kommen" << false;
        QTest::newRow("fixed word refuses")
            << "Wir|haben|&heute|sechs|Stunden|." << QList<int>{2, 3}
            << "Wir haben heute sechs Stunden." << true;
        QTest::newRow("capital in the middle")
            << "Wann|beginnt|der|Film|?" << QList<int>{0, 2} << "der beginnt Wann Film?" << false;
    }
    void wordOrderIsJudgedByTheJoinedText() {
        QFETCH(QString, line);
        QFETCH(QList<int>, swaps);
        WordOrder order(poradek::parseExample(line));
        for (int i = 0; i + 1 < swaps.size(); i += 2)
            order.swap(swaps[i], swaps[i + 1]);
        QTEST(poradek::joinWords(order.words()), "shown");
        QTEST(order.isRight(), "right");
    }

    // Scrambling keeps every word and every fixed place; with no pair to
    // swap it leaves the row alone instead of searching forever.
    void scramblingKeepsWordsAndFixedPlaces() {
        const OrderSentence sentence =
            poradek::parseExample("Ich|&bleibe|heute|zu|Hause|,|&weil|ich|Fieber|habe|.");
        QSet<QString> orders;
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator random(seed);
            WordOrder order(sentence);
            order.scramble(random);
            QCOMPARE(order.words()[1], QString("bleibe"));
            QCOMPARE(order.words()[6], QString("weil"));
            QStringList sorted = order.words(), expected = sentence.words;
            sorted.sort();
            expected.sort();
            QCOMPARE(sorted, expected);
            orders << poradek::joinWords(order.words());
        }
        QVERIFY(orders.size() > 30);
        QRandomGenerator random(3);
        WordOrder stuck(poradek::parseExample("&Ja|."));
        stuck.scramble(random);
        QCOMPARE(stuck.words(), QStringList({"Ja", "."}));
    }

    void rowsShrinkToFitAndPunctuationFollowsItsWord() {
        const QStringList words{"Ich", "weiß", ",", "dass", "du", "recht", "hast", "."};
        QCOMPARE(poradek::fittingSize(words, fakeWidth), 16);
        QCOMPARE(poradek::wordLefts(words, 16, fakeWidth),
                 QVector<int>({88, 122, 162, 176, 220, 244, 298, 338}));
        const QStringList longWords(12, QString(40, 'x')); // too long even at 8 pixels
        QCOMPARE(poradek::fittingSize(longWords, fakeWidth), 8);
        QStringList shrinking{QString(45, 'x'), "ab"}; // 470 + 4 pixels at 16
        QCOMPARE(poradek::fittingSize(shrinking, fakeWidth), 15);
    }

    // A drop lands on a movable word of the row (edges included), never on
    // the word pressed or on a fixed word.
    void dropTargets_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("target");
        QTest::newRow("inside") << QPoint(130, 110) << 1;
        QTest::newRow("right edge") << QPoint(150, 126) << 1;
        QTest::newRow("the word pressed") << QPoint(100, 110) << -1;
        QTest::newRow("fixed word") << QPoint(170, 110) << -1;
        QTest::newRow("below the row") << QPoint(130, 127) << -1;
        QTest::newRow("between words") << QPoint(152, 110) << -1;
    }
    void dropTargets() {
        QFETCH(QPoint, at);
        const WordOrder order(poradek::parseExample("Wir|haben|&heute|Zeit"));
        const QVector<QRect> rects{QRect(88, 106, 30, 20), QRect(122, 106, 28, 20),
                                   QRect(154, 106, 40, 20), QRect(198, 106, 30, 20)};
        QTEST(poradek::dropTarget(rects, order, 0, at), "target");
    }

    void wordOrderContentIsChecked() {
        const QStringList body{"Ich|wohne|in|Wien|.", "# a comment", "Das|ist|gut.",
                               "&Ja|&nein|.",         "wir||gehen",  "Er| kommt|.",
                               "ich|wohne|in|Wien|.", "A|A|&b",      "Wo|wohnt|&er|?"};
        QCOMPARE(problemLines(poradek::checkExamples(body)),
                 QStringList({"2", "3", "4", "5", "6", "7"}));
    }

    void caseRowsAreReadAndJudged_data() {
        QTest::addColumn<bool>("rightOnLeft");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<bool>("right");
        QTest::newRow("right form on the left") << true << " dem Bruder " << true;
        QTest::newRow("right form on the right") << false << " dem Bruder " << true;
        QTest::newRow("the other form") << true << " den Bruder " << false;
        QTest::newRow("never chosen") << true << pady::kEmptyBlank << false;
        QTest::newRow("other letter case") << true << " Dem Bruder " << false;
    }
    void caseRowsAreReadAndJudged() {
        QFETCH(bool, rightOnLeft);
        QFETCH(QString, blank);
        const CaseRow row = pady::parseExample(" Ich helfe | bei den Hausaufgaben.",
                                               "dem Bruder |den Bruder", rightOnLeft);
        QCOMPARE(row.TextBefore, QString("Ich helfe"));
        QCOMPARE(row.RightOption, QString(" dem Bruder "));
        QCOMPARE(rightOnLeft ? row.LeftCaption() : row.RightCaption(), QString(" dem Bruder "));
        QCOMPARE(rightOnLeft ? row.RightCaption() : row.LeftCaption(), QString(" den Bruder "));
        QTEST(pady::isRight(row, blank), "right");
    }

    void caseAnswersKeepPunctuationAtTheBlank_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("answer");
        QTest::newRow("text after") << "Ich helfe|bei den Hausaufgaben."
                                    << "Ich helfe dem Opa bei den Hausaufgaben.";
        QTest::newRow("full stop") << "Das Fahrrad gehört|."
                                   << "Das Fahrrad gehört dem Opa.";
        QTest::newRow("question") << "Erklärst du mir|?"
                                  << "Erklärst du mir dem Opa?";
        QTest::newRow("nothing before") << "|hilft."
                                        << "dem Opa hilft.";
    }
    void caseAnswersKeepPunctuationAtTheBlank() {
        QFETCH(QString, sentence);
        QTEST(pady::answerText(pady::parseExample(sentence, "dem Opa|den Opa", false)), "answer");
    }

    // Every option line can come; the right form stands left in about half the rows.
    void caseRowsTakeAnyOptionLineOnEitherSide() {
        const QStringList lines{"Ich danke|.", "dem A|den A", "dem B|den B",
                                "dem C|den C", "dem D|den D", "dem E|den E"};
        QRandomGenerator random(11);
        QSet<QString> taken;
        int left = 0;
        for (int i = 0; i < 400; ++i) {
            const CaseRow row = pady::dealRow(lines, random);
            taken << row.RightOption;
            left += row.rightOnLeft ? 1 : 0;
            QCOMPARE(row.OtherOption, QString(row.RightOption).replace("dem", "den"));
        }
        QCOMPARE(taken.size(), 5);
        QVERIFY2(left > 160 && left < 240, qPrintable(QString::number(left)));
    }

    void caseContentIsChecked() {
        const QStringList body{
            "Ich helfe|.",  "dem A|den A", "dem B|den B", "dem A|die A", "x",   "c|c",
            "# left out",   "a",           "b",           "c",           "d",   "e",
            "ich helfe|.",  "dem A|den A", "dem B|den B", "dem C|den C", "d|e", "f|g",
            "kein Satz",    "dem A|den A", "dem B|den B", "dem C|den C", "d|e", "f|g",
            "Wir danken|.", "dem A|"};
        QCOMPARE(problemLines(pady::checkExamples(body)),
                 QStringList({"25", "3", "4", "5", "12", "18"}));
    }
};

QTEST_GUILESS_MAIN(TestPoradekPadyRules)
#include "test_poradek_pady_rules.moc"
