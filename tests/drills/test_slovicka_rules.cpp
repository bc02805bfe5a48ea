// Rules of the vocabulary game 7e: topics joined into one list, the "$" and
// "#" markers, bounded drawing, tiles in slots and the checks of the content.

#include "drills/words/slovicka_rules.h"
#include "store/app_error.h"
#include "store/section_reader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace vz;
using namespace vz::slovicka;

namespace {

QStringList pairs(const QString& stem, int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString("%1%2 | das %1%2").arg(stem).arg(i);
    return lines;
}

} // namespace

class TestSlovickaRules : public QObject {
    Q_OBJECT
private slots:
    // Topics trimmed, thirty at most; the chosen topics' lines one after the
    // other, an empty section adding nothing, a missing one raising.
    void topicsAreJoinedInTheirOrder() {
        const QStringList data =
            QStringList{"[7e]", " Farby ", "", "Telo", "Prázdna", "[7e-Farby]"} + pairs("f", 3) +
            QStringList{"[7e-Telo]", " oko | das Auge ", "[7e-Prázdna]"};
        QCOMPARE(topicNames(readSection(data, "[7e]")), QStringList({"Farby", "Telo", "Prázdna"}));
        QCOMPARE(topicNames(pairs("t", 35)).size(), kMostTopics);
        QCOMPARE(joinTopics(data, "[7e]", {"Telo", "Prázdna", "Farby"}),
                 QStringList{"oko | das Auge"} + pairs("f", 3));
        QVERIFY_THROWS_EXCEPTION(AppError, joinTopics(data, "[7e]", {"Farby", "Zvieratá"}));
        QCOMPARE(exampleCount(data, "[7e]"), 4);
    }

    // A page never takes a retired, used or broken line; the lines of a page
    // dealt again (new) come free; a checked page's lines never come back;
    // too few lines raise "Cannot open file" instead of searching forever.
    void drawingKeepsToTheMarkers() {
        QRandomGenerator random(7);
        QStringList vocab = pairs("w", 14) + QStringList{"#x | das X", "broken", "u | das U"};
        TLChSet used(48), page(12);
        used.Add(16);
        QCOMPARE(drawableCount(vocab, used), 14);
        for (int deal = 0; deal < 3; ++deal) {
            const QVector<int> drawn = drawPage(vocab, 10, used, page, random, "[7e-w]");
            QCOMPARE(QSet<int>(drawn.begin(), drawn.end()).size(), 10);
            for (int i : drawn)
                QVERIFY(i < 14 && vocab[i].startsWith('$') && page.Contains(i));
        }
        retireDrawn(vocab);
        QCOMPARE(vocab.filter(QRegularExpression("^#w")).size(), 10);
        QVERIFY_THROWS_EXCEPTION(AppError, drawPage(vocab, 5, used, page, random, "[7e-w]"));
        for (int i : drawPage(vocab, 4, used, page, random, "[7e-w]"))
            QVERIFY(vocab[i].startsWith("$w"));
        QStringList mixed = shuffled(pairs("a", 10), random);
        QVERIFY(mixed != pairs("a", 10));
        QCOMPARE(QSet<QString>(mixed.begin(), mixed.end()).size(), 10);
    }

    // One tile a slot: a tile dropped on a filled slot sends the other home,
    // a tile moved on empties its first slot, row 0 is the column; only the
    // slots of the page's rows take a drop, their edges included.
    void tilesTakeOneSlotEach() {
        TileSlots tiles;
        QCOMPARE(tiles.place(3, 2), 0);
        QCOMPARE(tiles.place(5, 2), 3);
        QCOMPARE(tiles.place(5, 7), 0);
        QVERIFY(tiles.rowOf(3) == 0 && tiles.tileOn(2) == 0 && tiles.tileOn(7) == 5);
        QCOMPARE(tiles.place(5, 0), 0);
        QCOMPARE(tiles.rowOf(5), 0);
        const QVector<QRect> rects{QRect(216, 119, 178, 31), QRect(216, 151, 178, 31)};
        QCOMPARE(slotAt(rects, 2, QPoint(394, 150)), 1);
        QCOMPARE(slotAt(rects, 2, QPoint(300, 170)), 2);
        QCOMPARE(slotAt(rects, 1, QPoint(300, 170)), 0);
        QCOMPARE(slotAt(rects, 2, QPoint(215, 130)), 0);
    }

    void contentChecksNameTheFaultyLine_data() {
        QTest::addColumn<bool>("topics");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<QList<int>>("faulty");
        const QStringList good = pairs("w", 15);
        QTest::newRow("good topic") << false << good << QList<int>{};
        QTest::newRow("no bar, empty side, marker, two bars")
            << false << good + QStringList{"stôl der Tisch", "stôl |", "$a | b", "a | b | c"}
            << QList<int>{15, 16, 17, 18};
        QTest::newRow("same word, same answer")
            << false << good + QStringList{"W3 | der Hund", "pes | das w2"} << QList<int>{15, 16};
        QTest::newRow("fewer than fifteen") << false << pairs("w", 14) << QList<int>{-1};
        QTest::newRow("topics") << true << QStringList{"Farby", "Telo"} << QList<int>{};
        QTest::newRow("bracket, repeat")
            << true << QStringList{"Farby", "[x]", "farby "} << QList<int>{1, 2};
        QTest::newRow("31 topics") << true << pairs("t", 31) << QList<int>{30};
    }
    void contentChecksNameTheFaultyLine() {
        QFETCH(bool, topics);
        QFETCH(QStringList, body);
        QFETCH(QList<int>, faulty);
        QList<int> lines;
        for (const ContentProblem& problem : topics ? checkTopics(body) : checkExamples(body))
            lines << problem.line;
        QCOMPARE(lines, faulty);
    }

    // Topics may be chosen together: a Slovak word in two topics with
    // different German words would have two right tiles.
    void theBuiltContentHasOneAnswerPerWord() {
        QFile file(VZ_CONTENT_DIR "/7e.txt");
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList data = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        const QStringList topics = topicNames(readSection(data, "[7e]"));
        QVERIFY(topics.size() >= 12);
        QHash<QString, QString> answerOf;
        for (const QString& line : joinTopics(data, "[7e]", topics)) {
            const Pair pair = parsePair(line).value_or(Pair{});
            QVERIFY2(answerOf.value(pair.prompt, pair.answer) == pair.answer, qPrintable(line));
            answerOf.insert(pair.prompt, pair.answer);
        }
    }
};

QTEST_GUILESS_MAIN(TestSlovickaRules)
#include "test_slovicka_rules.moc"
