// The German content as built into data.dat: every section keeps the rules of
// its drill, and every game holds three games at its largest count, so that
// no example needs to repeat.

#include "drills/content_check.h"
#include "screens/game_catalogue.h"
#include "store/data_files.h"
#include "store/section_reader.h"

#include <QTest>

using namespace vz;

class TestContent : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { data = loadScrambledLines(QStringLiteral(VZ_DATA_DIR "/data.dat")); }

    void everySectionKeepsItsDrillsRules() {
        int sections = 0;
        for (const QString& line : data) {
            if (!line.startsWith('['))
                continue;
            ++sections;
            for (const ContentProblem& problem : checkContentSection(line, readSection(data, line)))
                QFAIL(qPrintable(
                    QString("%1 line %2: %3").arg(line).arg(problem.line + 1).arg(problem.what)));
        }
        QVERIFY(sections >= 3);
    }

    void everyGameWithContentHoldsThreeFullGames() {
        for (const GameInfo& game : GameCatalogue()) {
            // A sorting game keeps its examples in column sections ("[3a-der]" ...).
            const int examples = gameExampleCount(game.code(), data);
            if (examples < 0)
                continue; // no content for the game yet
            const int largest =
                game.countStep == 10 ? 30 : game.countStep * (game.countStep == 12 ? 4 : 5);
            QVERIFY2(examples >= 3 * largest,
                     qPrintable(QString("[%1]: %2 examples").arg(game.code()).arg(examples)));
        }
    }

private:
    QStringList data;
};

QTEST_GUILESS_MAIN(TestContent)
#include "test_content.moc"
