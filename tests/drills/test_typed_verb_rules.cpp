#include "drills/verbs/typed_rules.h"
#include "store/app_error.h"

#include <QTest>

using namespace vz;

class TestTypedVerbRules : public QObject {
    Q_OBJECT
private slots:
    // What each drill forgives in a typed answer, and what it does not.
    void typedAnswersAreJudgedByTheirDrillsRule_data() {
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        const auto row = [](const char* name, const char* drill, const char* answer,
                            const char* typed, bool right) {
            QTest::newRow(name) << drill << QString::fromUtf8(answer) << QString::fromUtf8(typed)
                                << right;
        };
        row("1b spaces around", "1b", "fährt", "  fährt ", true);
        row("1b capital", "1b", "fährt", "Fährt", false);
        row("1d capitals of a-z", "1d", "hat gespielt", "HAT GESPIELT", true);
        row("1d space inside", "1d", "hat gespielt", "hat  gespielt", false);
        row("1d capital umlaut for small", "1d", "Mütter", "MÜTTER", false);
        row("1e first form", "1e", "komm/komme", "komm", true);
        row("1e second form", "1e", "komm/komme", " komme ", true);
        row("1e both typed", "1e", "komm/komme", "komm/komme", false);
        row("1e letter case", "1e", "lies", "Lies", false);
    }
    void typedAnswersAreJudgedByTheirDrillsRule() {
        QFETCH(QString, drill);
        QFETCH(QString, answer);
        QFETCH(QString, typed);
        if (drill == "1b")
            QTEST(vzor::isRight(vzor::parseExample("Er|nach Hause.", "fahren|" + answer), typed),
                  "right");
        else if (drill == "1d")
            QTEST(perf::isRight(perf::parseExample("x|" + answer), typed), "right");
        else
            QTEST(rozkaz::isRight(rozkaz::parseExample({"-|s", "a|b", answer}), typed), "right");
    }

    void anImperativeSceneIsReadAndAnsweredInItsSentence() {
        const RozkazRow row =
            rozkaz::parseExample({"m | Ich bitte $, mir zu helfen. ", " $, | mir bitte! ", "hilf"});
        QVERIFY(row.speaker);
        QCOMPARE(row.situation, QString("Ich bitte $, mir zu helfen."));
        QCOMPARE(row.before, QString("$,"));
        QCOMPARE(rozkaz::answerSentence(row), QString("$, hilf mir bitte!"));
        RozkazRow two = rozkaz::parseExample({"-|x", "Bitte|herein!", "komm/komme"});
        QCOMPARE(rozkaz::answerSentence(two), QString("Bitte [komm/komme] herein!"));
    }

    // Names go in the order of the situation, into the sentence too, never
    // twice on a page; the pictures stand first and second.
    void namesFillScenesOncePerPage() {
        QStringList children{"M|Peter", "F|Anna"};
        QStringList grandparents{"F|Oma Helga", "M|Opa Ján"};
        QRandomGenerator random(3);
        RozkazRow row =
            rozkaz::parseExample({"-|$ und $ sollen leise sein.", "$ und $,|leise!", "seid"});
        const QVector<ScenePicture> pictures =
            rozkaz::fillNames(row, children, grandparents, random);
        QVERIFY(row.situation == "Peter und Anna sollen leise sein." ||
                row.situation == "Anna und Peter sollen leise sein.");
        QCOMPARE(row.before, row.situation.section(' ', 0, 2) + ",");
        QCOMPARE(pictures.size(), 2);
        QVERIFY(!pictures[0].second && pictures[1].second);
        QVERIFY(pictures[0].kind != pictures[1].kind); // a boy and a girl
        QCOMPARE(children.filter(QRegularExpression("^#")).size(), 2);

        RozkazRow visit = rozkaz::parseExample({"M|% soll mir helfen.", "%,|mir!", "hilf"});
        const QVector<ScenePicture> withMe =
            rozkaz::fillNames(visit, children, grandparents, random);
        QCOMPARE(withMe.size(), 2);
        QVERIFY(withMe[0].kind == ScenePicture::Grandfather ||
                withMe[0].kind == ScenePicture::Grandmother);
        QCOMPARE(withMe[1].kind, ScenePicture::Speaker);
        QVERIFY(withMe[1].second);

        RozkazRow more = rozkaz::parseExample({"-|$ soll kommen.", "$,|!", "komm"});
        QVERIFY_THROWS_EXCEPTION(AppError, rozkaz::fillNames(more, children, grandparents, random));
    }

    // The build refuses lines the drills could not play.
    void contentFaultsAreFound_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -2: sound, -1: the section as a whole
        QTest::newRow("1b sound") << "[1b]" << QStringList{"Er|nach Hause.", "fahren|fährt"} << -2;
        QTest::newRow("1b no answer") << "[1b]" << QStringList{"Er|nach Hause.", "fahren|"} << 1;
        QTest::newRow("1b no gap") << "[1b]" << QStringList{"Er fährt.", "fahren|fährt"} << 0;
        QTest::newRow("1d sound") << "[1d]"
                                  << QStringList{"gehen|ist gegangen", "sehen|hat gesehen"} << -2;
        QTest::newRow("1d repeated word")
            << "[1d]" << QStringList{"gehen|ist gegangen", "Gehen|ist gegangen"} << 1;
        QTest::newRow("3d two plurals") << "[3d]" << QStringList{"die Pizza|Pizzas/Pizzen"} << 0;
        QTest::newRow("1e sound") << "[1e]"
                                  << QStringList{"-|$ soll kommen.", "$,|bitte!", "komm/komme"}
                                  << -2;
        QTest::newRow("1e three people")
            << "[1e]" << QStringList{"M|$ und % sollen kommen.", "Kommt|!", "kommt"} << 0;
        QTest::newRow("1e stranger in the sentence")
            << "[1e]" << QStringList{"-|Er soll kommen.", "$,|bitte!", "komm"} << 1;
        QTest::newRow("1e empty form")
            << "[1e]" << QStringList{"-|$ soll kommen.", "$,|!", "komm/"} << 2;
        QTest::newRow("names too few") << "[1e-$]" << QStringList{"M|Peter", "F|Anna"} << -1;
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

QTEST_GUILESS_MAIN(TestTypedVerbRules)
#include "test_typed_verb_rules.moc"
