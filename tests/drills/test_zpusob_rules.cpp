#include "drills/verbs/zpusob_rules.h"

#include <QSet>
#include <QTest>

using namespace vz;

namespace {

const QStringList kVerbLines{"1 kann|kannst|können|könnt", "2 muss|musst|müssen|müsst",
                             "3 darf|darfst|dürfen|dürft", "4 soll|sollst|sollen|sollt",
                             "5 will|willst|wollen|wollt", "6 mag|magst|mögen|mögt"};

ZpusobRow answerRow(const QString& before, const QString& answer, const QString& after = "x") {
    ZpusobRow row;
    row.before = before;
    row.after = after;
    row.answer = answer;
    return row;
}

} // namespace

class TestZpusobRules : public QObject {
    Q_OBJECT
private slots:
    void sentenceLinesSplitIntoIntroGapAndNote_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("answerLine");
        QTest::addColumn<QStringList>("expected"); // intro, before, after, answer, note
        const auto row = [](const char* name, const QString& sentence, const QString& answer,
                            const QStringList& expected) {
            QTest::newRow(name) << sentence << answer << expected;
        };
        row("intro and note", "Tom ist drei.$Er|noch nicht lesen.#schopnosť – vedieť",
            "können|kann",
            {"Tom ist drei.", "Er", "noch nicht lesen.", "kann", "schopnosť – vedieť"});
        row("no intro, no note", "Ich | heute kommen. ", "können| kann ",
            {"", "Ich", "heute kommen.", "kann", ""});
        row("gap first", "Der See ist tief.$|du schwimmen?", "können|kannst",
            {"Der See ist tief.", "", "du schwimmen?", "kannst", ""});
        row("intro and note keep their spaces", " Hallo! $ Er |kommt.# Hinweis ", "x|will",
            {" Hallo! ", "Er", "kommt.", "will", " Hinweis "});
        row("a dollar in the note is no intro", "Er|kommt.#kostet 5 $", "x|will",
            {"", "Er", "kommt.", "will", "kostet 5 $"});
        row("second hash belongs to the note", "Er|kommt.#a#b", "x|will",
            {"", "Er", "kommt.", "will", "a#b"});
        row("several forms", "Was|ich machen?", "sollen|soll/muss",
            {"", "Was", "ich machen?", "soll/muss", ""});
    }
    void sentenceLinesSplitIntoIntroGapAndNote() {
        QFETCH(QString, sentence);
        QFETCH(QString, answerLine);
        QFETCH(QStringList, expected);
        const ZpusobRow row = zpusob::parseExample(sentence, answerLine);
        QCOMPARE((QStringList{row.intro, row.before, row.after, row.answer, row.note}), expected);
    }

    void verbFormsAreReadAndShuffledOncePerGame() {
        zpusob::VerbForms forms = zpusob::parseVerbForms(kVerbLines);
        QCOMPARE(forms[2], (QStringList{"darf", "darfst", "dürfen", "dürft"}));
        // A short line leaves empty forms instead of stale ones.
        const zpusob::VerbForms shortOnes = zpusob::parseVerbForms({"1 kann|kannst"});
        QCOMPARE(shortOnes[0], (QStringList{"kann", "kannst", "", ""}));
        QCOMPARE(shortOnes[5], (QStringList{"", "", "", ""}));

        QRandomGenerator random(5);
        QSet<QString> orders;
        for (int game = 0; game < 500; ++game) {
            zpusob::VerbForms shuffled = forms;
            zpusob::shuffleForms(shuffled, random);
            for (int verb = 0; verb < zpusob::kVerbCount; ++verb) {
                QStringList sorted = shuffled[verb];
                QStringList wanted = forms[verb];
                sorted.sort();
                wanted.sort();
                QCOMPARE(sorted, wanted);
            }
            orders << shuffled[0].join(',');
        }
        QCOMPARE(orders.size(), 24); // every order of four forms occurs
    }

    void aFormDroppedAtTheStartOfASentenceGetsACapital_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* form, const char* before,
                            const char* shown) {
            QTest::newRow(name) << QString::fromUtf8(form) << QString::fromUtf8(before)
                                << QString::fromUtf8(shown);
        };
        row("nothing before", "können", "", "Können");
        row("after a question", "kannst", "Bist du fertig?", "Kannst");
        row("after a full stop", "muss", "Er ist krank.", "Muss");
        row("after an exclamation", "darf", "Halt!", "Darf");
        row("after a word", "können", "Wir", "können");
        row("after a comma", "will", "Ja,", "will");
        row("only a ... z change", "über", "", "über");
    }
    void aFormDroppedAtTheStartOfASentenceGetsACapital() {
        QFETCH(QString, form);
        QFETCH(QString, before);
        QTEST(zpusob::droppedText(form, before), "shown");
    }

    void gapsAreJudgedIgnoringTheCaseOfPlainLetters_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("gap");
        QTest::addColumn<bool>("right");
        const auto row = [](const char* name, const char* answer, const char* gap, bool right) {
            QTest::newRow(name) << QString::fromUtf8(answer) << QString::fromUtf8(gap) << right;
        };
        row("exact", "kann", "kann", true);
        row("capital from the drop", "kannst", "Kannst", true);
        row("all capitals", "sollt", "SOLLT", true);
        row("umlaut missing", "könnt", "konnt", false);
        row("umlaut in capitals", "könnt", "KÖNNT", false);
        row("capital umlaut form", "müssen", "Müssen", true);
        row("another form", "kann", "kannst", false);
        row("empty gap", "kann", "", false);
        row("first of two", "soll/muss", "Soll", true);
        row("second of two", "soll/muss", "muss", true);
        row("both joined", "soll/muss", "soll/muss", false);
        row("empty alternative", "soll/", "", false);
    }
    void gapsAreJudgedIgnoringTheCaseOfPlainLetters() {
        QFETCH(QString, answer);
        QFETCH(QString, gap);
        QTEST(zpusob::isRight(answerRow("Wir", answer), gap), "right");
    }

    void answerWindowShowsTheWholeSentence_data() {
        QTest::addColumn<QStringList>("parts"); // before, answer, after
        QTest::addColumn<QString>("text");
        QTest::newRow("one form") << QStringList{"Ich", "kann", "nicht kommen."}
                                  << "Ich kann nicht kommen.";
        QTest::newRow("two forms in brackets")
            << QStringList{"Was", "soll/muss", "ich machen?"} << "Was [soll/muss] ich machen?";
        QTest::newRow("gap first")
            << QStringList{"", "kannst", "du schwimmen?"} << "Kannst du schwimmen?";
        QTest::newRow("gap last") << QStringList{"Ja, ich", "will", ""} << "Ja, ich will";
    }
    void answerWindowShowsTheWholeSentence() {
        QFETCH(QStringList, parts);
        QTEST(zpusob::answerText(answerRow(parts[0], parts[1], parts[2])), "text");
    }

    void pagesAreCountedAtContinuingAndNeverRunBelowZero() {
        QCOMPARE(zpusob::examplesAfterPage(30), 25);
        QCOMPARE(zpusob::examplesAfterPage(5), 0);
        QCOMPARE(zpusob::examplesAfterPage(3), 0); // no wrap-around into 254 pages
        QCOMPARE(zpusob::examplesAfterPage(0), 0);
    }

    void exampleFaultsAreFound_data() {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -1: sound
        const QStringList sound{"Es ist spät.$Ich|gehen.#nutnosť", "müssen|muss"};
        const auto row = [](const char* name, const QStringList& body, int line) {
            QTest::newRow(name) << body << line;
        };
        row("sound", sound, -1);
        row("sound with two forms", {"Was|ich machen?", "sollen|soll/muss"}, -1);
        row("no gap", {"Ich muss gehen.", "müssen|muss"}, 0);
        row("two gaps", {"Ich|heute|gehen.", "müssen|muss"}, 0);
        row("gap inside the intro", {"Es|ist spät.$Ich muss gehen.", "müssen|muss"}, 0);
        row("two intros", {"Es ist spät.$Ja.$Ich|gehen.", "müssen|muss"}, 0);
        row("gap only in the note", {"Ich muss gehen.#a|b", "müssen|muss"}, 0);
        row("answer not a verb form", {"Ich|gehen.", "müssen|musse"}, 1);
        row("answer of another tense", {"Ich|gehen.", QStringLiteral("müssen|musste")}, 1);
        row("one alternative wrong", {"Was|ich machen?", "sollen|soll/mus"}, 1);
        row("answer with capital", {"|ich gehen?", "müssen|Muss"}, 1);
        row("answer missing", {"Ich|gehen.", "müssen|"}, 1);
        row("answer line without field", {"Ich|gehen.", "muss"}, 1);
        row("empty sentence", {"Es ist spät.$|#x", "müssen|muss"}, 0);
        row("half an example", sound + QStringList{"Du|gehen."}, 2);
        row("repeated example", sound + QStringList{"Es ist spät.$ich | gehen", "müssen|muss"}, 2);
    }
    void exampleFaultsAreFound() {
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection("[1c]", body);
        if (faultyLine < 0) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).what));
        } else {
            QVERIFY(!problems.isEmpty());
            QCOMPARE(problems[0].line, faultyLine);
        }
    }

    void verbFormFaultsAreFound_data() {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -1: sound
        const auto changed = [](int line, const QString& text) {
            QStringList body = kVerbLines;
            body[line] = text;
            return body;
        };
        QTest::newRow("sound") << kVerbLines << -1;
        QTest::newRow("five lines") << kVerbLines.mid(0, 5) << 5;
        QTest::newRow("seven lines") << (kVerbLines + QStringList{"7 mag|magst|mögen|mögt"}) << 6;
        QTest::newRow("three forms") << changed(1, "2 muss|musst|müssen") << 1;
        QTest::newRow("five forms") << changed(1, "2 muss|musst|müssen|müsst|muss") << 1;
        QTest::newRow("repeated form") << changed(3, "4 soll|soll|sollen|sollt") << 3;
        QTest::newRow("empty form") << changed(4, "5 will||wollen|wollt") << 4;
        QTest::newRow("out of order") << changed(0, "2 kann|kannst|können|könnt") << 0;
        QTest::newRow("forms of another verb") << changed(5, "6 will|willst|wollen|wollt") << 5;
        QTest::newRow("order within a line is free")
            << changed(2, "3 dürft|darf|dürfen|darfst") << -1;
    }
    void verbFormFaultsAreFound() {
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection("[1c-slovesa]", body);
        if (faultyLine < 0) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).what));
        } else {
            QCOMPARE(problems.size(), 1);
            QCOMPARE(problems[0].line, faultyLine);
        }
    }
};

QTEST_GUILESS_MAIN(TestZpusobRules)
#include "test_zpusob_rules.moc"
