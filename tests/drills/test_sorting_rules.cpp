// The rules of the sorting drills (3a, 7a: three columns; 4d: two columns):
// where a chip lands, how a page is dealt, how a slot is judged, and which
// content lines the drills refuse.

#include "controls/lchset.h"
#include "drills/content_check.h"
#include "drills/words/cleny_rules.h"
#include "drills/words/predl2_rules.h"
#include "store/app_error.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace vz;
using sorting::Place;

Q_DECLARE_METATYPE(vz::sorting::Place)

namespace {

// A comment, then `count` words "<stem>1" ...
QStringList words(const QString& stem, int count) {
    QStringList section{"# " + stem};
    for (int i = 1; i <= count; ++i)
        section << stem + QString::number(i);
    return section;
}

sorting::Deck deckOf(const QVector<QStringList>& sections) {
    return sorting::Deck{{"[3a-1]", "[3a-2]", "[3a-3]"}, sections};
}

const sorting::Game& gameOf(int group) {
    return group == 4 ? predl2::game() : cleny::game(group);
}

} // namespace

class TestSortingRules : public QObject {
    Q_OBJECT
private slots:
    // A slot's edges count (its width and height inclusively); the gaps
    // between rows and columns are no target.
    void dropTargetsIncludeTheEdges_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Place>("target"); // column 0: none
        QTest::newRow("3a top left corner") << "3a" << QPoint(19, 130) << Place{1, 1};
        QTest::newRow("3a bottom right edge") << "3a" << QPoint(178, 160) << Place{1, 1};
        QTest::newRow("3a right of the edge") << "3a" << QPoint(179, 145) << Place{};
        QTest::newRow("3a between rows") << "3a" << QPoint(100, 161) << Place{};
        QTest::newRow("4d wohin right edge") << "4d" << QPoint(277, 145) << Place{1, 1};
        QTest::newRow("4d wo last slot") << "4d" << QPoint(365, 352) << Place{2, 7};
    }
    void dropTargetsIncludeTheEdges() {
        QFETCH(QString, code);
        QFETCH(QPoint, at);
        const sorting::Board board(code == "4d" ? predl2::layout() : cleny::layout());
        QTEST(board.dropTarget(at).value_or(Place{}), "target");
    }

    // A drop moves a chip between slots and frees the slot it left; from an
    // occupied slot (its own too) or a miss it goes back to the pool.
    void dropsMoveChipsAndFreeSlots() {
        sorting::Board board(cleny::layout());
        const QPoint first = cleny::layout().slotRect({1, 1}).center();
        const QPoint second = cleny::layout().slotRect({2, 3}).center();
        QCOMPARE(board.drop(1, first), (Place{1, 1}));
        QCOMPARE(board.restingPlace(1), QPoint(24, 135));
        QCOMPARE(board.drop(1, second), (Place{2, 3}));
        QCOMPARE(board.drop(2, first), (Place{1, 1})); // the freed slot takes another chip
        QCOMPARE(board.drop(3, first), Place{});       // occupied
        QCOMPARE(board.drop(2, first), Place{});       // its own slot
        QCOMPARE(board.chipIn({1, 1}), 0);
        QCOMPARE(board.drop(1, QPoint(100, 161)), Place{}); // a miss frees the slot as well
        QCOMPARE(board.chipIn({2, 3}), 0);
        QCOMPARE(board.restingPlace(1), QPoint(44, 378));
    }

    // 3a and 7a: nine words, no column more than seven, sometimes none;
    // 4d: three to six of each kind, three in four draws of seven.
    void splitsGiveNineWordsWithinTheColumns() {
        bool emptyColumn = false;
        QVector<int> wohinCounts(10);
        for (quint32 seed = 0; seed < 3000; ++seed) {
            QRandomGenerator random(seed);
            const QVector<int> three = cleny::splitNine(random);
            QCOMPARE(three[0] + three[1] + three[2], 9);
            QVERIFY(*std::max_element(three.begin(), three.end()) <= 7);
            emptyColumn |= three.contains(0);
            const QVector<int> two = predl2::splitNine(random);
            QCOMPARE(two[0] + two[1], 9);
            QVERIFY(two[0] >= 3 && two[0] <= 6);
            ++wohinCounts[two[0]];
        }
        QVERIFY(emptyColumn);
        QVERIFY(wohinCounts[3] > 1500 && wohinCounts[3] < 1930);
        QVERIFY(wohinCounts[4] > 0 && wohinCounts[5] > 0 && wohinCounts[6] > 0);
    }

    // Each column's words come from its own section, never a comment; the
    // chips hold exactly the page's words; indices count across the game.
    void pagesAreDealtFromTheirColumns() {
        const sorting::Deck deck = deckOf({words("Der", 8), words("Die", 7), words("Das", 9)});
        QRandomGenerator random(3);
        TLChSet used(48), page(12);
        const sorting::Page dealt = sorting::dealPage(deck, {2, 7, 0}, 7, used, page, random);
        QCOMPARE(dealt.columnWords[0].size(), 2);
        QCOMPARE(dealt.columnWords[2].size(), 0);
        QStringList all = dealt.columnWords[0] + dealt.columnWords[1];
        QStringList onChips(dealt.chipWords.begin(), dealt.chipWords.end());
        QStringList byIndex;
        for (int index : page.Members()) {
            const int column = index >= deck.firstIndex(2) ? 2 : 1;
            byIndex << deck.sections[column - 1][index - deck.firstIndex(column)];
        }
        for (QStringList* list : {&all, &onChips, &byIndex})
            list->sort();
        QCOMPARE(onChips, all);
        QCOMPARE(byIndex, all);
        QVERIFY(dealt.columnWords[0].filter("Der").size() == 2 && all.filter("#").isEmpty());
    }

    // Fresh words first; used ones come again only when the fresh run out;
    // a section that cannot give a column its most words fails at once.
    void drawingIsBoundedOnShortContent_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("usedLines");
        QTest::addColumn<bool>("fails");
        QTest::newRow("fresh ones left") << 12 << 5 << false;
        QTest::newRow("all used") << 7 << 7 << false;
        QTest::newRow("one short") << 6 << 0 << true;
    }
    void drawingIsBoundedOnShortContent() {
        QFETCH(int, lines);
        QFETCH(int, usedLines);
        QFETCH(bool, fails);
        const sorting::Deck deck = deckOf({words("Der", 9), words("Die", 9), words("Das", lines)});
        TLChSet used(48), page(12);
        for (int i = 1; i <= usedLines; ++i)
            used.Add(deck.firstIndex(3) + i); // line 0 is the comment
        QRandomGenerator random(7);
        try {
            const sorting::Page dealt = sorting::dealPage(deck, {2, 0, 7}, 7, used, page, random);
            QVERIFY(!fails);
            int freshDrawn = 0;
            for (const QString& word : dealt.columnWords[2])
                freshDrawn += deck.sections[2].indexOf(word) > usedLines;
            QCOMPARE(QSet<QString>(dealt.columnWords[2].begin(), dealt.columnWords[2].end()).size(),
                     7);
            QCOMPARE(freshDrawn, qMin(7, lines - usedLines));
        } catch (const AppError& error) {
            QVERIFY(fails);
            QVERIFY(error.message().contains(kCannotOpenFile + " \"[3a-3]\""));
        }
    }

    void slotsAreJudgedByTheirColumnsList_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<Place>("place");
        QTest::addColumn<bool>("right");
        QTest::newRow("own column, other letter case") << "TISCH" << Place{1, 1} << true;
        QTest::newRow("wrong column") << "Tisch" << Place{2, 1} << false;
        QTest::newRow("left in the pool") << "Tisch" << Place{} << false;
        QTest::newRow("an empty column") << "Heft" << Place{3, 1} << false;
    }
    void slotsAreJudgedByTheirColumnsList() {
        QFETCH(QString, word);
        QFETCH(Place, place);
        sorting::Page page;
        page.columnWords = {{"Tisch", "See"}, {"See", "Tafel", "Heft"}, {}};
        QTEST(sorting::isRight(page, word, place), "right");
    }

    void answersNameTheWordsColumn_data() {
        QTest::addColumn<int>("group"); // 4 for game 4d
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("answer");
        QTest::newRow("3a das") << 3 << "Heft"
                                << "Slovo: 'Heft' je stredného rodu (das)";
        QTest::newRow("3a first wins") << 3 << "See"
                                       << "Slovo: 'See' je mužského rodu (der)";
        QTest::newRow("7a keine") << 7 << "Tafel"
                                  << "Slovo: 'Tafel' patrí do skupiny 'keine'";
        QTest::newRow("4d wo") << 4 << "Tafel"
                               << "Spojenie: 'Tafel' je v skupine: 'wo'";
    }
    void answersNameTheWordsColumn() {
        QFETCH(int, group);
        QFETCH(QString, word);
        sorting::Page page;
        page.columnWords = {{"Tisch", "See"}, {"See", "Tafel"}, {"Heft"}};
        QTEST(sorting::answerText(gameOf(group), page, word), "answer");
    }

    // 16 pixels down to the first size that fits (the limit included); 10
    // for a text that fits at none, after no more than 16 measurements.
    void chipFontsShrinkUntilTheTextFits() {
        const QList<std::tuple<int, int, int>> cases{// half-pixels per pixel of size, limit, size
                                                     {18, 144, 16},
                                                     {18, 143, 15},
                                                     {1000, 192, 10}};
        for (const auto& [wide, limit, size] : cases) {
            int measured = 0;
            const auto width = [&, wide = wide](int px) { return ++measured, wide * px / 2; };
            QCOMPARE(sorting::chipFontSize(width, limit), size);
            QVERIFY(measured <= 16);
        }
    }

    // A sound section passes; each bad line added to it is named; a
    // section too short for a column's most words is refused as a whole.
    void contentFaultsAreFound() {
        const QList<std::tuple<QString, QStringList, QStringList>> sections{
            {"[3a-der]",
             {"Tisch", "Stuhl", "Kuli", "#der Löffel", "Bleistift", "Rucksack", "Spitzer",
              "Füller"},
             {"der Schwamm", "Heft ", "Kuli"}},
            {"[7a-kein]",
             {"Ich habe ... Zeit.", "Hab ... Angst!", "Zeit", "Sie hat ... Geschwister.",
              "Ich esse ... Tomaten.", "Hier ist ... Ampel.", "Ich trage ... Mütze."},
             {"Das ist kein Problem.", "Ich ... dich ... .", "Hab ... Angst",
              "Am Wochenende haben wir leider ... Zeit."}},
            {"[4d-wohin]",
             {"in die Schule", "ins Kino", "ans Meer", "auf den Tisch", "neben mich",
              "zwischen die Bücher", "über die Straße"},
             {"im Park", "unter dem Tisch", "hinter mir", "nach Hause"}},
            {"[4d-wo]",
             {"in der Schule", "im Kino", "am Meer", "auf dem Tisch", "neben mir",
              "zwischen den Büchern", "in den Bergen"},
             {"ins Bett", "in die Stadt", "Park",
              "in der kleinen Bibliothek neben dem alten Rathaus"}}};
        for (const auto& [header, sound, bad] : sections) {
            const ContentProblems none = checkContentSection(header, sound);
            QVERIFY2(none.isEmpty(), qPrintable(header + ": " + none.value(0).what));
            QCOMPARE(checkContentSection(header, sound.mid(0, sound.size() - 2)).value(0).line, -1);
            for (const QString& line : bad) {
                const ContentProblems found =
                    checkContentSection(header, sound + QStringList{line});
                QVERIFY2(found.size() == 1 && found[0].line == sound.size(), qPrintable(line));
            }
        }
        const QStringList noDas{"[3a-der]", "Tisch", "[3a-die]", "Tafel"};
        QVERIFY_THROWS_EXCEPTION(AppError, sorting::readDeck(noDas, 3, 'a', cleny::game(3)));
    }

    // A game whose content lies in column sections counts every column.
    void gamesInColumnSectionsCountEveryColumn() {
        const QStringList data{"[1a]",  "a|b",    "[3a-der]", "Tisch", "#Löffel",  "[3a-die]",
                               "Tafel", "Schule", "[3a-das]", "Heft",  "[3a-foo]", "Buch"};
        QCOMPARE(gameExampleCount("3a", data), 4); // "[3a-foo]" is no column of 3a
        QCOMPARE(gameExampleCount("7a", data), -1);
        // 7d names its group sections; one missing leaves nothing to draw (found by fuzzing).
        QCOMPARE(gameExampleCount("7d", QStringList{"[7d]", "Obst", "Tiere"}), 0);
    }

    // Across the sections of a game, on the real content: a word in two
    // columns would have two right answers.
    void noWordStandsInTwoColumnsOfAGame() {
        for (const auto& [group, letter] :
             QList<std::pair<int, char>>{{3, 'a'}, {7, 'a'}, {4, 'd'}}) {
            QFile file(QStringLiteral(VZ_CONTENT_DIR "/%1%2.txt").arg(group).arg(letter));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QStringList data = QString::fromUtf8(file.readAll()).split('\n');
            const sorting::Deck deck = sorting::readDeck(data, group, letter, gameOf(group));
            QCOMPARE(sorting::wordsInTwoColumns(deck), QStringList());
            sorting::Deck doubled = deck;
            doubled.sections[1] << deck.sections[0].last();
            QCOMPARE(sorting::wordsInTwoColumns(doubled).size(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestSortingRules)
#include "test_sorting_rules.moc"
