// The rules of the dictation (5c) and numbers-by-ear (6b) drills: what the
// sentence normaliser forgives, how blocks are drawn, what the content check rejects.

#include "controls/lchset.h"
#include "drills/listening/diktat_cis_rules.h"
#include "drills/listening/diktat_rules.h"
#include "store/app_error.h"

#include <QSet>
#include <QTest>

using namespace vz;

namespace {

// `blocks` blocks of five lines "b<block>n<line>|Das ist Satz <two letters>."
QStringList dictationSection(int blocks) {
    QStringList section;
    for (int i = 0; i < 5 * blocks; ++i)
        section << QString("b%1n%2|Das ist Satz %3.")
                       .arg(i / 5)
                       .arg(i % 5)
                       .arg(QString(QChar('a' + i % 26)) + QChar('a' + i / 26));
    return section;
}

} // namespace

class TestListeningRules : public QObject {
    Q_OBJECT
private slots:
    // Against the stored sentence below: the text judged (right when it is that sentence).
    void onlySpacingAroundMarksIsForgiven_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("judged");
        const QString s = "Ja, ich komme gleich. Grüß dich!";
        QTest::newRow("as stored") << s << s;
        QTest::newRow("blanks at both ends") << "  " + s + " " << s;
        QTest::newRow("runs of spaces") << "Ja, ich  komme   gleich. Grüß dich!" << s;
        QTest::newRow("space before marks") << "Ja   , ich komme gleich . Grüß dich !" << s;
        QTest::newRow("no space after marks") << "Ja,ich komme gleich.Grüß dich!" << s;
        for (const char* wrong :
             {"Ja, ich komme Gleich. Grüß dich!", "Ja, ichkomme gleich. Grüß dich!",
              "Ja, ich kom me gleich. Grüß dich!", "Ja ich komme gleich. Grüß dich!",
              "Ja, ich komme gleich. Grüß dich.", "Ja, ich komme gleich : Grüß dich!",
              "Ja, ich\tkomme gleich. Grüß dich!", "Ja, ich komme gleich. Grüss dich!",
              "Ja, ich komme gleich. Gruess dich!"})
            QTest::newRow(wrong) << QString::fromUtf8(wrong) << QString::fromUtf8(wrong);
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks only") << "   "
                                     << "";
        QTest::newRow("very long") << QString("Wort ").repeated(80) + " ,und  so ."
                                   << QString("Wort ").repeated(79) + "Wort, und so.";
    }
    void onlySpacingAroundMarksIsForgiven() {
        QFETCH(QString, typed);
        QFETCH(QString, judged);
        const DiktatExample example = diktat::parseLine(" d2 | Ja, ich komme gleich. Grüß dich! ");
        QCOMPARE(diktat::soundFile(example.SoundName), QString("sound\\dikt\\d2.wav"));
        QCOMPARE(diktat::judgedText(typed), judged);
        QCOMPARE(diktat::isRight(typed, example), judged == example.Answer);
    }

    // A half-page is one whole block, never the same one twice on a page
    // nor a commented-out one; used blocks come back only when no other is
    // left; a section too short for a page stops the drawing.
    void halfPagesAreWholeBlocks() {
        QStringList section = dictationSection(4);
        section[5].prepend('#');
        QRandomGenerator random(7);
        TLChSet used(48), page(12);
        used.Add(0);
        for (int round = 0; round < 10; ++round) {
            page.Clear();
            const QVector<DiktatExample> rows =
                diktat::dealPage(section, 10, used, page, random, "[5c]");
            const QVector<int> blocks = page.Members();
            QCOMPARE(QSet<int>(blocks.begin(), blocks.end()), (QSet<int>{10, 15}));
            for (int r = 0; r < 10; ++r)
                QCOMPARE(rows[r].SoundName,
                         rows[r - r % 5].SoundName.chopped(1) + QString::number(r % 5));
        }
        used.Add(10);
        page.Clear();
        QCOMPARE(diktat::dealPage(section, 10, used, page, random, "[5c]").size(), 10);
        section[0].prepend('#');
        section[10].prepend('#');
        page.Clear();
        try {
            diktat::dealPage(section, 10, used, page, random, "[5c]");
            QFAIL("one block filled a page of two");
        } catch (const AppError& error) {
            QVERIFY(error.message().contains(kCannotOpenFile));
        }
    }

    void contentCheckNamesFaultyLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("good") << "x1|Ja, kommst du heute?" << true;
        QTest::newRow("capital sound name") << "X1|Wir haben frei." << false;
        QTest::newRow("digit") << "x1|Wir haben 3 Stunden." << false;
        QTest::newRow("not normalised") << "x1|Wir haben frei ." << false;
        QTest::newRow("no final mark") << "x1|Wir haben frei" << false;
        QTest::newRow("quote") << "x1|Er sagt \"Hallo\"." << false;
        QTest::newRow("too long") << "x1|" + QString("Sehr ").repeated(12) + "gut." << false;
        QTest::newRow("repeated sentence") << "x2|Das ist Satz aa." << false;
        QTest::newRow("repeated sound") << "b0n1|Wir haben frei." << false;
    }
    void contentCheckNamesFaultyLines() {
        QFETCH(QString, line);
        QStringList body = dictationSection(7);
        body.last() = line;
        const ContentProblems problems = diktat::checkExamples(body);
        QTEST(problems.isEmpty(), "accepted");
        for (const ContentProblem& problem : problems)
            QCOMPARE(problem.line, int(body.size()) - 1);
    }

    void contentCheckWantsWholeBlocks() {
        QStringList body = dictationSection(8);
        body[5].prepend('#');
        QCOMPARE(diktat::exampleCount(body), 35);
        QVERIFY(diktat::checkExamples(body).isEmpty());
        body[6].prepend('#'); // only a block's first line comments it out
        QCOMPARE(diktat::checkExamples(body).size(), 1);
        QVERIFY(!diktat::checkExamples(dictationSection(8).mid(0, 38)).isEmpty());
        QVERIFY(!diktat::checkExamples(dictationSection(6)).isEmpty()); // too few for a game
    }

    // 6b reads 6a: the text before "|" is the answer and names the wave.
    void numbersAreTakenFromTheNumeralSection() {
        QCOMPARE(diktatcis::sectionHeader(6), QString("[6a]"));
        QCOMPARE(diktatcis::numberOf(" dreißig | 30"), QString("dreißig"));
        QCOMPARE(diktatcis::soundFile("dreißig"), QString("sound\\cis\\dreißig.wav"));
        QVERIFY(diktatcis::isRight(" dreißig ", "dreißig"));
        for (const char* wrong : {"dreiß ig", "dreissig", "Dreißig", ""})
            QVERIFY(!diktatcis::isRight(wrong, "dreißig"));
        QStringList section;
        for (int n = 1; n <= 11; ++n)
            section << QString("n%1|%1").arg(n);
        section[3].prepend('#');
        QRandomGenerator random(3);
        TLChSet used(48), page(12);
        const QStringList numbers = diktatcis::dealPage(section, 10, used, page, random, "[6a]");
        QCOMPARE(QSet<QString>(numbers.begin(), numbers.end()).size(), 10);
        QVERIFY(!numbers.contains("#n4"));
        QCOMPARE(diktatcis::checkNumbers({"a|1", "a|2", "a b|3", "|4", "#a|5"}).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestListeningRules)
#include "test_listening_rules.moc"
