#include "drills/content_check.h"
#include "drills/words/nadraz_rules.h"
#include "store/app_error.h"
#include "store/section_reader.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace vz;
using namespace vz::nadraz;

namespace {

// Groups "G0", "G1" ... holding `sizes[g]` words "w<g>.<i>".
Content contentOf(const QVector<int>& sizes) {
    Content content;
    for (int g = 0; g < sizes.size(); ++g) {
        content.groups << QString("G%1").arg(g);
        QStringList words;
        for (int i = 0; i < sizes[g]; ++i)
            words << QString("w%1.%2").arg(g).arg(i);
        content.words << words;
    }
    return content;
}

// What every page must be: six different groups, twelve different chips of
// their rows' groups, at most six a row, the rows' words sorted.
QString pageFault(const Content& content, const Page& page) {
    if (QSet<int>(page.groups.begin(), page.groups.end()).size() != kRows)
        return "a group on two rows";
    if (page.chips.size() != kChips)
        return "not twelve chips";
    QSet<QPair<int, int>> dealt;
    std::array<QStringList, kRows> rows;
    for (const Chip& chip : page.chips) {
        if (chip.row < 1 || chip.row > kRows || chip.group != page.groups[chip.row - 1])
            return "a chip of another row's group";
        if (content.words[chip.group].value(chip.index) != chip.word)
            return "a chip with another word";
        dealt.insert({chip.group, chip.index});
        rows[chip.row - 1] << chip.word;
    }
    if (dealt.size() != kChips)
        return "a word dealt twice";
    for (int r = 0; r < kRows; ++r) {
        if (rows[r].size() > kMostPerRow)
            return "more than six chips of a row";
        if (page.rowWords[r] != dictionaryOrder(rows[r]))
            return "a row's words are not its chips' words in order";
    }
    return {};
}

QStringList contentFile() {
    QFile file(QStringLiteral(VZ_NADRAZ_CONTENT));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).remove('\r').split('\n', Qt::SkipEmptyParts);
}

int measure(const QString& text, int size) {
    return int(text.size()) * size / 2;
}

} // namespace

class TestNadrazRules : public QObject {
    Q_OBJECT
private slots:
    void contentIsReadFromTheMainAndTheGroupSections() {
        const QStringList data{"[7c]",    "a|b",     "[7d]",  "Obst",        "Farben", "[7d-Obst]",
                               "# fruit", " Apfel ", "Birne", "[7d-Farben]", "rot",    "[8a]"};
        const Content content = readContent(data, "[7d]");
        QCOMPARE(content.groups, QStringList({"Obst", "Farben"}));
        QCOMPARE(content.words[0], QStringList({"Apfel", "Birne"}));
        QCOMPARE(content.words[1], QStringList{"rot"});
        QCOMPARE(exampleCount(content), 3);
        QCOMPARE(groupHeader("[7d]", "Obst"), QString("[7d-Obst]"));
        QVERIFY_THROWS_EXCEPTION(AppError, readContent(data.mid(0, 9), "[7d]"));
        QVERIFY_THROWS_EXCEPTION(AppError, readContent(data, "[7e]"));
    }

    void pagesKeepTheirShape_data() {
        QTest::addColumn<QVector<int>>("sizes");
        QTest::addColumn<int>("shownGroups"); // every word of groups 0 ... n - 1 shown
        QTest::addColumn<int>("keep");        // ... but the first `keep` of each
        QTest::addColumn<bool>("fills");
        QTest::newRow("plenty") << QVector<int>(28, 10) << 0 << 0 << true;
        QTest::newRow("just enough") << QVector<int>(6, 2) << 0 << 0 << true;
        QTest::newRow("two full groups, the rest tiny")
            << QVector<int>{1, 1, 6, 1, 6, 1, 1} << 0 << 0 << true;
        QTest::newRow("empty groups among them")
            << QVector<int>{0, 7, 0, 7, 0, 0, 0} << 0 << 0 << true;
        QTest::newRow("most groups used up") << QVector<int>(10, 6) << 8 << 0 << true;
        QTest::newRow("fresh words too few") << QVector<int>(6, 3) << 6 << 1 << true;
        QTest::newRow("five groups") << QVector<int>(5, 12) << 0 << 0 << false;
        QTest::newRow("one word a group") << QVector<int>(9, 1) << 0 << 0 << false;
        QTest::newRow("six a row at most") << QVector<int>{12, 1, 1, 1, 1, 1} << 0 << 0 << false;
    }
    // Whatever the content, every deal ends: with a sound page, where shown
    // words come only when the fresh ones cannot fill it (and then every
    // fresh one comes), or with "Cannot open file".
    void pagesKeepTheirShape() {
        QFETCH(QVector<int>, sizes);
        QFETCH(int, shownGroups);
        QFETCH(int, keep);
        const Content content = contentOf(sizes);
        ShownWords shown(sizes.size());
        int fresh = 0;
        for (int g = 0; g < sizes.size(); ++g) {
            for (int i = keep; g < shownGroups && i < sizes[g]; ++i)
                shown[g].insert(i);
            fresh += sizes[g] - int(shown[g].size());
        }
        QFETCH(bool, fills);
        for (quint32 seed = 1; seed <= 200; ++seed) {
            QRandomGenerator random(seed);
            if (!fills) {
                QVERIFY_THROWS_EXCEPTION(AppError, dealPage(content, shown, random, "[7d]"));
                continue;
            }
            const Page page = dealPage(content, shown, random, "[7d]");
            const QString fault = pageFault(content, page);
            QVERIFY2(fault.isEmpty(), qPrintable(QString("seed %1: %2").arg(seed).arg(fault)));
            int freshOnPage = 0;
            for (const Chip& chip : page.chips)
                freshOnPage += shown[chip.group].contains(chip.index) ? 0 : 1;
            QCOMPARE(freshOnPage, qMin(fresh, kChips));
        }
    }

    // A game of four checked pages never shows a word twice; every group
    // gets its turn in some game.
    void aGameNeverRepeatsAShownWord() {
        const Content content = contentOf(QVector<int>(12, 8));
        QRandomGenerator random(11);
        QSet<int> groups;
        for (int game = 0; game < 5; ++game) {
            ShownWords shown(content.groups.size());
            QSet<QString> seen;
            for (int p = 0; p < 4; ++p) {
                const Page page = dealPage(content, shown, random, "[7d]");
                for (const Chip& chip : page.chips) {
                    QVERIFY2(!seen.contains(chip.word), qPrintable(chip.word));
                    seen.insert(chip.word);
                }
                groups += QSet<int>(page.groups.begin(), page.groups.end());
                markShown(page, shown);
            }
            QCOMPARE(seen.size(), 4 * kChips);
        }
        QCOMPARE(groups.size(), 12);
    }

    void dropsFindTheFirstAreaEdgesIncluded_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("row");
        QTest::newRow("top left corner") << QPoint(191, 117) << 1;
        QTest::newRow("right edge") << QPoint(191 + 394, 130) << 1;
        QTest::newRow("bottom edge") << QPoint(400, 117 + 20) << 1;
        QTest::newRow("right of the edge") << QPoint(191 + 395, 130) << 0;
        QTest::newRow("between rows") << QPoint(300, 140) << 0;
        QTest::newRow("overlap goes to the first") << QPoint(10, 10) << 2;
    }
    void dropsFindTheFirstAreaEdgesIncluded() {
        QFETCH(QPoint, at);
        std::array<QRect, kRows> areas;
        const int tops[kRows] = {117, 150, 182, 213, 245, 277};
        for (int r = 0; r < kRows; ++r)
            areas[r] = QRect(191, tops[r], 394, 20);
        areas[2] = areas[4] = QRect(0, 0, 20, 20); // rows 3 and 5 on the same spot
        areas[1] = QRect(5, 5, 10, 10);
        QTEST(dropRow(areas, at), "row");
    }

    void rowsAreJudgedWordByWord_data() {
        QTest::addColumn<QStringList>("rowWords");
        QTest::addColumn<QStringList>("placed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("rightWords");
        QTest::addColumn<int>("wrongWords");
        const QStringList fruit{"Apfel", "Birne", "Kirsche"};
        QTest::newRow("no words, none placed") << QStringList{} << QStringList{} << true << 0 << 0;
        QTest::newRow("all, in another order")
            << fruit << QStringList{"Kirsche", "Apfel", "Birne"} << true << 3 << 0;
        QTest::newRow("all and a foreign one")
            << fruit << QStringList{"Apfel", "Hund", "Birne", "Kirsche"} << false << 3 << 1;
        QTest::newRow("one missing") << fruit << QStringList{"Birne", "Apfel"} << false << 2 << 0;
        QTest::newRow("a foreign one on an empty row")
            << QStringList{} << QStringList{"Hund"} << false << 0 << 1;
        QTest::newRow("letter case counts")
            << QStringList{"rot"} << QStringList{"Rot"} << false << 0 << 1;
    }
    void rowsAreJudgedWordByWord() {
        QFETCH(QStringList, rowWords);
        QFETCH(QStringList, placed);
        const RowVerdict verdict = judgeRow(dictionaryOrder(rowWords), placed);
        QTEST(verdict.right, "right");
        QTEST(verdict.rightWords, "rightWords");
        QTEST(verdict.wrongWords, "wrongWords");
    }

    void answersAndOrder() {
        QCOMPARE(answerText({"Apfel", "Birne"}), QString("Apfel, Birne"));
        QCOMPARE(answerText({}), QString("K danému nadradenému slovu neexistujú podradené slová."));
        QCOMPARE(
            dictionaryOrder({"Zug", "Öl", "Ofen", "apfel", "Äpfel", "Auto", "Straße", "Strand"}),
            QStringList({"apfel", "Äpfel", "Auto", "Ofen", "Öl", "Strand", "Straße", "Zug"}));
    }

    void rowWordsAreLaidOutWithCommas_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("lefts");
        // The fake font is size / 2 pixels a letter; the area is 100 pixels wide.
        QTest::newRow("nothing") << QStringList{} << 16 << true << QStringList{} << QList<int>{};
        QTest::newRow("three words")
            << QStringList{"ab", "cd", "e"} << 16 << true << QStringList{"ab,", "cd,", "e"}
            << QList<int>{10, 10 + 24 + 4, 10 + 2 * 28};
        QTest::newRow("shrunk to fit")
            << QStringList{"abcdefghij", "klmno"} << 12 << true
            << QStringList{"abcdefghij,", "klmno"} << QList<int>{10, 10 + 66 + 4};
        QTest::newRow("too long even small")
            << QStringList{"abcdefghijklmnopqrstu", "vwxyz"} << 8 << false
            << QStringList{"abcdefghijklmnopqrstu,", "vwxyz"} << QList<int>{10, 10 + 88 + 4};
    }
    void rowWordsAreLaidOutWithCommas() {
        QFETCH(QStringList, words);
        const WordsLayout layout = layoutWords(words, 10, 100, measure);
        QTEST(layout.size, "size");
        QTEST(layout.fits, "fits");
        QTEST(layout.captions, "captions");
        QTEST(QList<int>(layout.lefts), "lefts");
    }

    void contentFaultsAreFound_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("faultyLine"); // -2: sound
        const QStringList main{"Obst", "Gemüse", "Tiere", "Möbel", "Farben", "Berufe"};
        QTest::newRow("main sound") << "[7d]" << main << -2;
        QTest::newRow("main with a comment") << "[7d]" << (QStringList{"#fruit"} + main) << 0;
        QTest::newRow("main repeats a word") << "[7d]" << (main + QStringList{"obst"}) << 6;
        QTest::newRow("main too short") << "[7d]" << main.mid(1) << -1;
        QTest::newRow("group sound")
            << "[7d-Obst]" << QStringList{"# fruit", "Apfel", "Birne"} << -2;
        QTest::newRow("group header in other case")
            << "[7D-obst]" << QStringList{"Apfel", "Birne"} << -2;
        QTest::newRow("a comma in a word")
            << "[7d-Obst]" << QStringList{"Apfel", "Birne, Kirsche", "Pflaume"} << 1;
        QTest::newRow("a drawing mark") << "[7d-Obst]" << QStringList{"Apfel", "@Birne"} << 1;
        QTest::newRow("a word twice") << "[7d-Obst]" << QStringList{"Apfel", "Birne", "apfel"} << 2;
        QTest::newRow("a group of one") << "[7d-Obst]" << QStringList{"#", "Apfel"} << -1;
        QTest::newRow("another game's group") << "[9z-Obst]" << QStringList{"Apfel", "Birne"} << -1;
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

    void faultsAcrossSectionsAreFound() {
        const QStringList data{"[7d]",  "Obst",        "Farben", "Tiere", "[7d-Obst]",  "Orange",
                               "Apfel", "[7d-Farben]", "orange", "rot",   "[7d-Möbel]", "Tisch"};
        const QStringList faults = checkContent(data, "[7d]");
        QCOMPARE(faults.size(), 3);
        QVERIFY(faults[0].contains("Obst") && faults[0].contains("Farben"));
        QVERIFY(faults[1].contains("[7d-Tiere]"));
        QVERIFY(faults[2].startsWith("[7d-Möbel]"));
    }

    // The game's own content: every section sound, every group with its
    // section, no word in two groups, three games of 48 words without repeats.
    void theGamesContentIsSound() {
        const QStringList data = contentFile();
        QVERIFY(!data.isEmpty());
        for (const QString& line : data) {
            if (!line.startsWith('['))
                continue;
            for (const ContentProblem& problem : checkContentSection(line, readSection(data, line)))
                QFAIL(qPrintable(
                    QString("%1 line %2: %3").arg(line).arg(problem.line + 1).arg(problem.what)));
        }
        const QStringList faults = checkContent(data, "[7d]");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(exampleCount(readContent(data, "[7d]")) >= 3 * 48);
    }
};

QTEST_GUILESS_MAIN(TestNadrazRules)
#include "test_nadraz_rules.moc"
