#include "screens/game_catalogue.h"

#include <QTest>

using namespace vz;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void gameNumbersFollowGroupOffsets() {
        const int offsets[] = {0, 6, 9, 13, 17, 20, 24};
        const int counts[] = {6, 3, 4, 4, 3, 4, 5};
        QCOMPARE(GameCatalogue().size(), 29);
        for (const GameInfo& game : GameCatalogue()) {
            const int position = game.letter.unicode() - 'a' + 1;
            QVERIFY(position >= 1 && position <= counts[game.group - 1]);
            QCOMPARE(game.number, offsets[game.group - 1] + position);
        }
        for (const GroupInfo& group : GameGroups()) {
            QCOMPARE(group.firstNumber, offsets[group.group - 1] + 1);
            QCOMPARE(group.gameCount, counts[group.group - 1]);
            QVERIFY(!group.name.isEmpty());
        }
    }

    void lookupsAgree() {
        const GameInfo* game = findGame(4, QLatin1Char('c'));
        QVERIFY(game);
        QCOMPARE(game->number, 16);
        QCOMPARE(findGame(16), game);
        QCOMPARE(game->form, QString("TwndVyber"));
        QVERIFY(!findGame(0));
        QVERIFY(!findGame(30));
        QVERIFY(!findGame(2, QLatin1Char('d')));
    }

    void stepsAndPrintingFollowTheGame() {
        for (int n : {10, 17, 25})
            QCOMPARE(findGame(n)->countStep, 9);
        QCOMPARE(findGame(28)->countStep, 12);
        for (int n : {20, 22, 29})
            QVERIFY(!findGame(n)->printable);
        QCOMPARE(findGame(6)->title, QString::fromUtf8("Slovesá s\u00A0odlúčiteľnými predponami"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
