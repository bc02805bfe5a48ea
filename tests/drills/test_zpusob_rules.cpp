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
        QTest::newRow("intro and note keep their spaces")
            << " Tom ist drei. $ Er |noch nicht lesen.# schopnosť – vedieť "
            << "können| kann "
            << QStringList{" Tom ist drei. ", "Er", "noch nicht lesen.", "kann",
                           " schopnosť – vedieť "};
        QTest::newRow("dollar and hash in the note are no intro")
            << "Er|kommt.#kostet 5 $#b"
            << "x|will" << QStringList{"", "Er", "kommt.", "will", "kostet 5 $#b"};
    }
    void sentenceLinesSplitIntoIntroGapAndNote() {
        QFETCH(QString, sentence);
        QFETCH(QString, answerLine);
        const ZpusobRow row = zpusob::parseExample(sentence, answerLine);
        QTEST((QStringList{row.intro, row.before, row.after, row.answer, row.note}), "expected");
    }

    // Every game deals the four forms of a verb in one of all 24 orders.
    void verbFormsAreReadAndShuffled() {
        const zpusob::VerbForms forms = zpusob::parseVerbForms(kVerbLines);
        QCOMPARE(forms[2], (QStringList{"darf", "darfst", "dürfen", "dürft"}));
        QCOMPARE(zpusob::parseVerbForms({"1 kann|kannst"})[0],
                 (QStringList{"kann", "kannst", "", ""}));
        QRandomGenerator random(5);
        QSet<QString> orders;
        for (int game = 0; game < 500; ++game) {
            zpusob::VerbForms shuffled = forms;
            zpusob::shuffleForms(shuffled, random);
            orders << shuffled[0].join(',');
            shuffled[5].sort();
            QCOMPARE(shuffled[5], (QStringList{"mag", "magst", "mögen", "mögt"}));
        }
        QCOMPARE(orders.size(), 24);
    }

    void aFormDroppedAtTheStartOfASentenceGetsACapital_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing before") << "können"
                                        << ""
                                        << "Können";
        QTest::newRow("after a question") << "kannst"
                                          << "Bist du fertig?"
                                          << "Kannst";
        QTest::newRow("after a full stop") << "muss"
                                           << "Er ist krank."
                                           << "Muss";
        QTest::newRow("after an exclamation") << "darf"
                                              << "Halt!"
                                              << "Darf";
        QTest::newRow("after a comma") << "will"
                                       << "Ja,"
                                       << "will";
        QTest::newRow("only a ... z change") << "über"
                                             << ""
                                             << "über";
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
        QTest::newRow("capital from the drop") << "kannst"
                                               << "Kannst" << true;
        QTest::newRow("umlaut missing") << "könnt"
                                        << "konnt" << false;
        QTest::newRow("umlaut in capitals") << "könnt"
                                            << "KÖNNT" << false;
        QTest::newRow("another form") << "kann"
                                      << "kannst" << false;
        QTest::newRow("first of two") << "soll/muss"
                                      << "Soll" << true;
        QTest::newRow("second of two") << "soll/muss"
                                       << "muss" << true;
        QTest::newRow("both joined") << "soll/muss"
                                     << "soll/muss" << false;
        QTest::newRow("empty alternative") << "soll/"
                                           << "" << false;
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
        QCOMPARE(zpusob::examplesAfterPage(3), 0); // no wrap-around into 254 pages
    }

    void contentFaultsAreFound_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -1: sound
        const QStringList sound{"Es ist spät.$Ich|gehen.#nutnosť", "müssen|muss"};
        const auto example = [](const char* name, const QStringList& body, int line) {
            QTest::newRow(name) << "[1c]" << body << line;
        };
        example("sound", sound, -1);
        example("sound with two forms", {"Was|ich machen?", "sollen|soll/muss"}, -1);
        example("no gap", {"Ich muss gehen.", "müssen|muss"}, 0);
        example("two gaps", {"Ich|heute|gehen.", "müssen|muss"}, 0);
        example("gap inside the intro", {"Es|ist spät.$Ich muss gehen.", "müssen|muss"}, 0);
        example("two intros", {"Es ist spät.$Ja.$Ich|gehen.", "müssen|muss"}, 0);
        example("gap only in the note", {"Ich muss gehen.#a|b", "müssen|muss"}, 0);
        example("answer not a verb form", {"Ich|gehen.", "müssen|musse"}, 1);
        example("one alternative wrong", {"Was|ich machen?", "sollen|soll/mus"}, 1);
        example("answer with capital", {"|ich gehen?", "müssen|Muss"}, 1);
        example("answer missing", {"Ich|gehen.", "müssen|"}, 1);
        example("answer line without field", {"Ich|gehen.", "muss"}, 1);
        example("empty sentence", {"Es ist spät.$|#x", "müssen|muss"}, 0);
        example("half an example", sound + QStringList{"Du|gehen."}, 2);
        example("repeated example", sound + QStringList{"Es ist spät.$ich | gehen", "müssen|muss"},
                2);
        const auto forms = [](const char* name, int line, const QString& text, int faulty) {
            QStringList body = kVerbLines;
            body[line] = text;
            QTest::newRow(name) << "[1c-slovesa]" << body << faulty;
        };
        forms("forms sound in any order", 2, "3 dürft|darf|dürfen|darfst", -1);
        forms("three forms", 1, "2 muss|musst|müssen", 1);
        forms("repeated form", 3, "4 soll|soll|sollen|sollt", 3);
        forms("out of order", 0, "2 kann|kannst|können|könnt", 0);
        forms("forms of another verb", 5, "6 will|willst|wollen|wollt", 5);
        QTest::newRow("five lines") << "[1c-slovesa]" << kVerbLines.mid(0, 5) << 5;
        QTest::newRow("seven lines") << "[1c-slovesa]" << (kVerbLines + QStringList{"7 mag"}) << 6;
    }
    void contentFaultsAreFound() {
        QFETCH(QString, header);
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection(header, body);
        QVERIFY2(problems.isEmpty() == (faultyLine < 0), qPrintable(problems.value(0).what));
        if (faultyLine >= 0)
            QCOMPARE(problems[0].line, faultyLine);
    }
};

QTEST_GUILESS_MAIN(TestZpusobRules)
#include "test_zpusob_rules.moc"
