#include "screens/game_catalogue.h"
#include "store/results.h"

#include <QTest>

using namespace vz;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    // The menu, the pictures and the caption take the catalogue's title; the
    // results log has its own list. A typo in either shows as a mismatch.
    void everyTitleMatchesTheLogTitle() {
        for (const GameInfo& game : GameCatalogue())
            QCOMPARE(game.title, logGameTitle(game.number));
        QVERIFY(logGameTitle(0).isEmpty());
        QVERIFY(logGameTitle(30).isEmpty());
    }

    void lookupsAgree() {
        const GameInfo* game = findGame(4, QLatin1Char('c'));
        QVERIFY(game);
        QCOMPARE(game->number, 16);
        QCOMPARE(findGame(16), game);
        QVERIFY(!findGame(0));
        QVERIFY(!findGame(30));
        QVERIFY(!findGame(2, QLatin1Char('d')));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
