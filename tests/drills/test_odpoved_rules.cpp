// The rules of the answer drill (5b) and its summary page: where the
// suitable reply goes, drawing a whole game at once, the summary's rows and
// the content check.

#include "drills/sentences/odpoved_rules.h"
#include "store/app_error.h"

#include <QSet>
#include <QTest>

using namespace vz;

namespace {

// A section of `count` examples, the second one left out.
QStringList section(int count) {
    QStringList body;
    for (int i = 0; i < count; ++i)
        body << QString(i == 1 ? "#Frage %1?" : "Frage %1?").arg(i) << "Ja."
             << "Nein."
             << "Doch.";
    return body;
}

} // namespace

class TestOdpovedRules : public QObject {
    Q_OBJECT
private slots:
    // The suitable reply takes each place, the two others both orders.
    void dealingUsesEveryPlaceAndOrder() {
        QRandomGenerator random(7);
        QSet<QString> seen;
        int atPlace[3] = {};
        for (int i = 0; i < 600; ++i) {
            const QuizExample example = odpoved::dealExample(
                {" Wo wohnst du? ", "In Nitra.", "Aus Nitra.", "Nach Nitra."}, random);
            QCOMPARE(example.Question, QString("Wo wohnst du?"));
            QCOMPARE(example.option(example.CorrectOption), QString("In Nitra."));
            ++atPlace[example.CorrectOption - 1];
            seen.insert(QStringList(example.Options.begin(), example.Options.end()).join('|'));
        }
        QCOMPARE(seen.size(), 6);
        for (int count : atPlace)
            QVERIFY2(count > 150, qPrintable(QString::number(count)));
    }

    // All questions differ; one usable example too few raises "Cannot open file".
    void aGameIsDrawnAtOnceWithoutRepeats() {
        for (const auto& [examples, enough] : {std::pair{31, true}, std::pair{30, false}}) {
            TLChSet used(48), page(12);
            QRandomGenerator random(3);
            try {
                const QVector<QuizExample> drawn =
                    odpoved::drawAllExamples(section(examples), 30, used, page, "[5b]", random);
                QVERIFY(enough);
                QSet<QString> questions;
                for (const QuizExample& example : drawn)
                    questions.insert(example.Question);
                QCOMPARE(questions.size(), 30);
                QVERIFY(!questions.contains("Frage 1?"));
                QCOMPARE(page.Members().size(), 12); // the set holds twelve
            } catch (const AppError& error) {
                QVERIFY(!enough);
                QVERIFY(error.message().startsWith(kCannotOpenFile));
            }
        }
    }

    // The last row of each layout, its background and the cover of a half column.
    void summaryRowsFillTheirColumns() {
        const struct {
            int count;
            QRect label;
            int markLeft;
            const char* background;
            QRect cover;
        } cases[] = {
            {10, QRect(87, 430, 466, 20), 573, "bmp\\sum_10.bmp", {}},
            {15, QRect(347, 250, 245, 20), 605, "bmp\\sum_20.bmp", QRect(330, 279, 304, 178)},
            {20, QRect(347, 430, 245, 20), 605, "bmp\\sum_20.bmp", {}},
            {25, QRect(441, 250, 150, 20), 605, "bmp\\sum_30.bmp", QRect(427, 279, 208, 178)},
            {30, QRect(441, 430, 150, 20), 605, "bmp\\sum_30.bmp", {}},
        };
        for (const auto& c : cases) {
            const odpoved::SummaryRow row = odpoved::summaryRow(c.count, c.count - 1);
            QCOMPARE(row.label, c.label);
            QCOMPARE(row.mark, QRect(c.markLeft, c.label.top() - 6, 32, 32));
            QCOMPARE(odpoved::summaryBackground(c.count), QString(c.background));
            QCOMPARE(odpoved::summaryCover(c.count), c.cover);
        }
        QCOMPARE(odpoved::summaryRow(30, 10).label, QRect(229, 106, 150, 20));
    }

    void aLongQuestionIsShortenedToFit() {
        const auto tenEach = [](const QString& text) { return 10 * int(text.size()); };
        QCOMPARE(odpoved::shortened("Wie alt?", 80, tenEach), QString("Wie alt?"));
        QCOMPARE(odpoved::shortened("Wie alt ist dein Opa?", 100, tenEach), QString("Wie alt..."));
    }

    void theContentCheckNamesTheFaultyLine_data() {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<QVector<int>>("lines");
        QTest::newRow("sound, one left out") << section(3) << QVector<int>{};
        QTest::newRow("cut short") << (section(2) + QStringList{"Frage?"}) << QVector<int>{8};
        QTest::newRow("empty reply")
            << QStringList{"Wer?", "Ich.", " ", "Um neun."} << QVector<int>{2};
        QTest::newRow("same reply twice")
            << QStringList{"Wer?", "Ich.", "Du.", "ich"} << QVector<int>{3};
        QTest::newRow("reply as a comment")
            << QStringList{"Wer?", "Ich.", "#Du.", "Er."} << QVector<int>{2};
        QTest::newRow("repeated question")
            << (section(1) + QStringList{"frage 0", "A", "B", "C"}) << QVector<int>{4};
    }
    void theContentCheckNamesTheFaultyLine() {
        QFETCH(QStringList, body);
        QFETCH(QVector<int>, lines);
        QVector<int> found;
        for (const ContentProblem& problem : checkContentSection("[5b]", body))
            found << problem.line;
        QCOMPARE(found, lines);
    }
};

QTEST_GUILESS_MAIN(TestOdpovedRules)
#include "test_odpoved_rules.moc"
