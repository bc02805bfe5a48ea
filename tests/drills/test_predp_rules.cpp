#include "drills/verbs/predp_rules.h"

#include <QTest>

using namespace vz;
using predp::Place;
using predp::Placement;

Q_DECLARE_METATYPE(vz::predp::Placement)

namespace {

constexpr Place H = Place::Home;
constexpr Place S1 = Place::Slot1;
constexpr Place S2 = Place::Slot2;

PredpRow example(const QString& sentence, const QString& solution) {
    return predp::parseExample(sentence, solution);
}

} // namespace

class TestPredpRules : public QObject {
    Q_OBJECT
private slots:
    void linesSplitIntoTextsPiecesAndSolutions_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QStringList>("expected"); // before, between, after, red, blue, 1, 2
        QTest::newRow("slot 1 stays empty")
            << "Ich weiß, dass das Spiel|gleich|."
            << "an$fängt|-|anfängt"
            << QStringList{"Ich weiß, dass das Spiel", "gleich", ".", "an", "fängt", "", "anfängt"};
        QTest::newRow("spaces and an empty start")
            << " | du heute ins Kino |? "
            << " mit $ kommst | Kommst | mit "
            << QStringList{"", "du heute ins Kino", "?", "mit", "kommst", "Kommst", "mit"};
    }
    void linesSplitIntoTextsPiecesAndSolutions() {
        QFETCH(QString, sentence);
        QFETCH(QString, solution);
        const PredpRow row = example(sentence, solution);
        QTEST((QStringList{row.before, row.between, row.after, row.red, row.blue, row.solution[0],
                           row.solution[1]}),
              "expected");
    }

    // Where the pieces lie, what the two slots then read, and whether that is
    // right.
    void slotsReadThePiecesWithCapitalsAtTheStart_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<Placement>("placement");
        QTest::addColumn<QString>("slot1");
        QTest::addColumn<QString>("slot2");
        QTest::addColumn<bool>("right");
        const QString kino = "|du heute ins Kino|?";
        const QString aufstehen = "Ich|um sechs Uhr|.";
        const auto row = [](const char* name, const QString& sentence, const QString& solution,
                            Placement placement, const char* one, const char* two, bool right) {
            QTest::newRow(name) << sentence << solution << placement << QString::fromUtf8(one)
                                << QString::fromUtf8(two) << right;
        };
        row("both where they belong", kino, "mit$kommst|Kommst|mit", {S2, S1}, "Kommst", "mit",
            true);
        row("red alone at the start", kino, "mit$kommst|Kommst|mit", {S1, H}, "Mit", "", false);
        row("blue written lower when joined", "|bitte|!", "ab$Holt|Abholt|-", {S1, S1}, "Abholt",
            "", true);
        row("blue keeps its capitals alone", "|bitte|!", "ab$Holt|Abholt|-", {H, S1}, "Holt", "",
            false);
        row("umlaut capital at the start", "|ihr den Text|?", "über$setzt|Übersetzt|-", {S1, S1},
            "Übersetzt", "", true);
        row("no capital inside", aufstehen, "auf$stehe|stehe|auf", {S2, S1}, "stehe", "auf", true);
        row("swapped", aufstehen, "auf$stehe|stehe|auf", {S1, S2}, "auf", "stehe", false);
        row("something in the empty slot", "Ich|heute|.", "ver$stehe|verstehe|-", {S1, S2}, "ver",
            "stehe", false);
        row("joined in slot 2", "Ich kann|nicht|.", "mit$kommen|-|mitkommen", {S2, S2}, "",
            "mitkommen", true);
    }
    void slotsReadThePiecesWithCapitalsAtTheStart() {
        QFETCH(QString, sentence);
        QFETCH(QString, solution);
        QFETCH(Placement, placement);
        const PredpRow row = example(sentence, solution);
        QTEST(predp::slotContent(row, placement, 1), "slot1");
        QTEST(predp::slotContent(row, placement, 2), "slot2");
        QTEST(predp::isRight(row, placement), "right");
    }

    void theCorrectSentenceForTheAnswerWindow_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QString>("answer");
        QTest::newRow("main clause") << "Ich|jeden Tag|."
                                     << "auf$stehe|stehe|auf"
                                     << "Ich stehe jeden Tag auf.";
        QTest::newRow("slot 1 empty") << "Ich kann|heute nicht|."
                                      << "mit$kommen|-|mitkommen"
                                      << "Ich kann heute nicht mitkommen.";
        QTest::newRow("slot 2 empty, question") << "|du die Frage|?"
                                                << "ver$stehst|Verstehst|-"
                                                << "Verstehst du die Frage?";
        QTest::newRow("between begins with a comma")
            << "Ich weiß nicht, wo wir|, sagt er|."
            << "aus$steigen|aussteigen|-"
            << "Ich weiß nicht, wo wir aussteigen, sagt er.";
        QTest::newRow("word after") << "Mama sagt, dass ich|den Tisch|soll."
                                    << "ab$räumen|-|abräumen"
                                    << "Mama sagt, dass ich den Tisch abräumen soll.";
    }
    void theCorrectSentenceForTheAnswerWindow() {
        QFETCH(QString, sentence);
        QFETCH(QString, solution);
        QTEST(predp::answerSentence(example(sentence, solution)), "answer");
    }

    void slotsWidenWithTheirPieces_data() {
        QTest::addColumn<int>("red"); // -1: not in the slot
        QTest::addColumn<int>("blue");
        QTest::addColumn<QList<int>>("expected"); // width, red left, blue left (slot at 100)
        QTest::newRow("nine pixels stay 25") << 9 << -1 << QList<int>{25, 102, 111};
        QTest::newRow("ten pixels") << 10 << -1 << QList<int>{14, 102, 112};
        QTest::newRow("blue alone at the left") << -1 << 30 << QList<int>{34, 102, 102};
        QTest::newRow("both joined") << 20 << 30 << QList<int>{54, 102, 122};
    }
    void slotsWidenWithTheirPieces() {
        QFETCH(int, red);
        QFETCH(int, blue);
        const auto width = [](int w) { return w < 0 ? std::nullopt : std::optional<int>(w); };
        const predp::SlotLayout slot = predp::layoutSlot(100, width(red), width(blue));
        QTEST((QList<int>{slot.width, slot.redLeft, slot.blueLeft}), "expected");
    }

    void rowsPiecesAndFontsAreLaidOut() {
        const predp::RowLayout row = predp::layoutRow(167, 40, 60, {20, 30}, {});
        QCOMPARE((QList<int>{row.slot1.left, row.slot1.width, row.middleLeft, row.slot2.left,
                             row.slot2.width, row.afterLeft}),
                 (QList<int>{207, 54, 261, 321, 25, 346}));
        QCOMPARE(predp::homeLefts(30, 40).blue, 78);
        QCOMPARE(predp::homeLefts(31, 40).red, 48); // halved toward zero
        QCOMPARE(predp::sentenceFontSize([](int size) { return size * 20; }),
                 16); // 345 fits
        QCOMPARE(predp::sentenceFontSize([](int size) { return size == 16 ? 394 : 393; }),
                 15); // 419 is too wide
        QCOMPARE(predp::sentenceFontSize([](int) { return 5000; }),
                 8); // never loops forever
        QCOMPARE(predp::pageSize(10), 10);
        QCOMPARE(predp::pageSize(9), 5);
    }

    void solutionPlacementFindsTheDrop() {
        QVERIFY(predp::solutionPlacement(example("|du|?", "mit$kommst|Kommst|mit")) ==
                (Placement{S2, S1}));
        QVERIFY(!predp::solutionPlacement(example("Du|jetzt|.", "auf$stehst|stehst|-")));
    }

    void contentFaultsAreFound_data() {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -1: sound
        const QStringList sound{"Ich|jeden Tag|.", "auf$stehe|stehe|auf"};
        const auto row = [](const char* name, const QStringList& body, int line) {
            QTest::newRow(name) << body << line;
        };
        row("sound", sound, -1);
        row("sound, joined at the start", {"|du die Frage|?", "ver$stehst|Verstehst|-"}, -1);
        row("sound, joined in slot 2", {"Ich kann|nicht|.", "mit$kommen|-|mitkommen"}, -1);
        row("two fields in the sentence", {"Ich jeden Tag|.", "auf$stehe|stehe|auf"}, 0);
        row("four fields in the sentence", {"Ich|jeden|Tag|.", "auf$stehe|stehe|auf"}, 0);
        row("solution field missing", {"Ich|jeden Tag|.", "auf$stehe|stehe"}, 1);
        row("no dollar", {"Ich|jeden Tag|.", "auf stehe|stehe|auf"}, 1);
        row("two dollars", {"Ich|jeden Tag|.", "auf$ste$he|stehe|auf"}, 1);
        row("empty piece", {"Ich|jeden Tag|.", "$stehe|stehe|-"}, 1);
        row("empty slot not written -", {"Ich kann|nicht|.", "mit$kommen||mitkommen"}, 1);
        row("typing error in a slot", {"Ich|jeden Tag|.", "auf$stehe|stehe|aus"}, 1);
        row("a piece goes nowhere", {"Ich|jeden Tag|.", "auf$stehe|stehe|-"}, 1);
        row("capital missing at the start", {"|du die Frage|?", "ver$stehst|verstehst|-"}, 1);
        row("empty sentence", {"||", "auf$stehe|Stehe|auf"}, 0);
        row("half an example", sound + QStringList{"Du|heute|."}, 2);
        row("repeated example", sound + QStringList{"ich | jeden tag | ", "auf$stehe|stehe|auf"},
            2);
    }
    void contentFaultsAreFound() {
        QFETCH(QStringList, body);
        QFETCH(int, faultyLine);
        const ContentProblems problems = checkContentSection("[1f]", body);
        QVERIFY2(problems.size() == (faultyLine < 0 ? 0 : 1), qPrintable(problems.value(0).what));
        if (faultyLine >= 0)
            QCOMPARE(problems[0].line, faultyLine);
    }
};

QTEST_GUILESS_MAIN(TestPredpRules)
#include "test_predp_rules.moc"
