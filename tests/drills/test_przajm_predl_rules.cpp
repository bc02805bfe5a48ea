// The rules of the possessive pronoun drill (2b) and the time preposition
// drill (4a): the pronoun built in its blank, judging, answer sentences and
// the content check.

#include "drills/content_check.h"
#include "drills/pronouns/przajm_rules.h"
#include "drills/sentences/predl_rules.h"

#include <QTest>

using namespace vz;

namespace {

void addRow(const char* name, const QString& a, const QString& b, const QString& c) {
    QTest::newRow(name) << a << b << c;
}

} // namespace

class TestPrzajmPredlRules : public QObject {
    Q_OBJECT
private slots:
    // Steps: "s:word" drops a stem, "e:-en" an ending, "-s"/"-e" click them away.
    void theBlankIsBuiltFromStemAndEnding_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown"); // stem + "|" + ending
        addRow("stem inside a sentence", "mit", "s:mein e:-em", "mein|em");
        addRow("capital at the start", "", "s:unser", "Unser|");
        addRow("capital after a full stop", "Ja.", "s:ihr e:-e", "Ihr|e");
        addRow("euer loses its e before an ending", "mit", "s:euer e:-em", "eur|em");
        addRow("ending first, then euer", "mit", "e:-em s:euer", "eur|em");
        addRow("euer again without ending", "", "s:euer e:-e -e", "Euer|");
        addRow("last drop counts", "für", "s:dein e:-e s:sein e:-en", "sein|en");
        addRow("stem clicked away", "mit", "s:dein e:-er -s", "|er");
    }
    void theBlankIsBuiltFromStemAndEnding() {
        QFETCH(QString, before);
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        const PronounRow row = przajm::parseExample({"x", before + "|Hund.", "mein|-"});
        przajm::Blank blank;
        for (const QString& step : steps.split(' ')) {
            if (step.startsWith("s:"))
                blank = przajm::withStem(row, blank, step.mid(2));
            else if (step.startsWith("e:"))
                blank = przajm::withEnding(blank, step.mid(2));
            else
                blank = step == "-s" ? przajm::withoutStem(blank) : przajm::withoutEnding(blank);
        }
        QCOMPARE(blank.stem + "|" + blank.ending, shown);
    }

    // 2b: the content's "stem|ending" against the blank's stem + "|" + ending;
    // 4a: the answers against what was typed into the blanks ("first|second").
    void answersAreJudged_data() {
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("right");
        addRow("2b capital forgiven", "mein|em", "Mein|em", "yes");
        addRow("2b eur with ending", "eur|e", "eur|e", "yes");
        addRow("2b ending missing", "sein|en", "sein|", "no");
        addRow("2b ending too many", "Dein|-", "Dein|e", "no");
        addRow("2b empty blank", "ihr|e", "|", "no");
        addRow("4a case and spaces", "in der", "  IN Der |", "yes");
        addRow("4a space inside", "in der", "in  der|", "no");
        addRow("4a only spaces", "um", "    |", "no");
        addRow("4a very long", "um", QString(5000, 'u') + "|", "no");
        addRow("4a one blank ignores the second", "seit", "seit|xyz", "yes");
        addRow("4a both right", "von,bis", "von|Bis", "yes");
        addRow("4a second wrong", "vom,bis zum", "vom|bis", "no");
    }
    void answersAreJudged() {
        QFETCH(QString, solution);
        QFETCH(QString, given);
        QFETCH(QString, right);
        const QString first = given.section('|', 0, 0);
        const QString second = given.section('|', 1);
        if (QByteArray(QTest::currentDataTag()).startsWith("2b")) {
            const PronounRow row = przajm::parseExample({"x", "a|b", solution});
            QCOMPARE(przajm::isRight(row, {first, second}), right == "yes");
        } else {
            const QString sentence = solution.contains(',') ? "Ich|x|y." : "Ich|y.";
            const TimeRow row = predl::parseExample({"Wann?", sentence, solution});
            QCOMPARE(predl::isRight(row, first, second), right == "yes");
        }
    }

    void answerSentences() {
        QCOMPARE(
            przajm::answerSentence(przajm::parseExample({"x", "|Hund heißt Bello.", "Mein|-"})),
            QStringLiteral("Mein Hund heißt Bello."));
        QCOMPARE(przajm::answerSentence(przajm::parseExample({"x", "Zeig mir|!", "dein|e"})),
                 QString("Zeig mir deine!"));
        QCOMPARE(predl::answerSentence(
                     predl::parseExample({"Wann?", " Ich habe | 8 | 13 Uhr frei. ", "von , bis"})),
                 QString("Ich habe von 8 bis 13 Uhr frei."));
        const TimeRow one = predl::parseExample({"Wann?", "Tschüss,|morgen!", "bis"});
        QCOMPARE(predl::answerSentence(one), QStringLiteral("Tschüss, bis morgen!"));
    }

    void contentFaultsAreFound_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -2: sound
        const auto add = [](const char* name, const char* header, const QStringList& body,
                            int line) { QTest::newRow(name) << header << body << line; };
        add("2b sound", "[2b]", {"Ich habe einen Hund.", "|Hund heißt Bello.", "Mein|-"}, -2);
        add("2b foreign stem", "[2b]", {"Er hat ihn.", "Ich sehe|Hund.", "kein|en"}, 2);
        add("2b euer with ending", "[2b]", {"Ihr habt ihn.", "Ich sehe|Hund.", "euer|en"}, 2);
        add("2b eur alone", "[2b]", {"Ihr habt ihn.", "Ist|Hund da?", "eur|-"}, 2);
        add("2b small at the start", "[2b]", {"Ich habe ihn.", "|Hund bellt.", "mein|-"}, 2);
        add("2b repeated", "[2b]",
            {"Ich habe ihn.", "|Hund bellt.", "Mein|-", "Er hat ihn.", "|hund bellt", "Mein|-"}, 4);
        add("4a sound", "[4a]",
            {"Wann?", "Wir kommen|Montag.", "am", "Wann?", "Ich|8|9.", "von,bis"}, -2);
        add("4a blanks and answers differ", "[4a]", {"Wann?", "Ich|8 Uhr.", "von,bis"}, 1);
        add("4a second answer empty", "[4a]", {"Wann?", "Ich|8|9.", "von,"}, 2);
        add("4a alternatives", "[4a]", {"Wann?", "Ich komme|Montag.", "am/an"}, 2);
        add("4a blank at the start", "[4a]", {"Wann?", "|Montag komme ich.", "am"}, 1);
        add("4a blanks side by side", "[4a]", {"Wann?", "Ich| |Uhr.", "von,bis"}, 1);
    }
    void contentFaultsAreFound() {
        QFETCH(QString, header);
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection(header, body);
        if (faultyLine == -2) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).what));
        } else {
            QVERIFY(!problems.isEmpty());
            QCOMPARE(problems[0].line, faultyLine);
        }
    }
};

QTEST_GUILESS_MAIN(TestPrzajmPredlRules)
#include "test_przajm_predl_rules.moc"
