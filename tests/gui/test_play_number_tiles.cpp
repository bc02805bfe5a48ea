// Plays the number tile drills 6a (numerals) and 6d (informal clock times)
// from the menu to the table with real mouse drags of their tiles.

#include "app/application.h"
#include "app/globals.h"
#include "controls/align_edit.h"
#include "controls/drag_token.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/numbers/casy_form.h"
#include "drills/numbers/cisl_form.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/mouse_drags.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>
#include <numeric>

using namespace vz;
using namespace vz::test;

namespace {

TDragToken* tileOf(TExerciseForm* form, int row) {
    if (auto* cisl = qobject_cast<TwndCisl*>(form))
        return cisl->tiles[row - 1];
    return static_cast<TwndCasy*>(form)->tiles[row - 1];
}

QString expectedIn(TExerciseForm* form, int row) {
    if (auto* cisl = qobject_cast<TwndCisl*>(form))
        return cisl->page().examples[row - 1].answer;
    return static_cast<TwndCasy*>(form)->page().order[row - 1];
}

int rowShowing(TExerciseForm* form, const QString& text) {
    for (int row = 1; row <= form->PageSize; ++row) {
        if (tileOf(form, row)->text() == text)
            return row;
    }
    return 0;
}

// Drops the tile of row `from` on the tile of row `to`.
bool dragTile(TExerciseForm* form, int from, int to) {
    return drags::drag(form, tileOf(form, from), QPoint(30, 10),
                       tileOf(form, to)->geometry().center());
}

// Rows hang together, so the page is arranged when its last row is
// answered: each right row gets its text by a drag, and the wrong rows
// (two at least) pass their texts round in a ring, so none has its own.
QList<int> wrongRows;
void answer(TExerciseForm* form, int row, bool right) {
    if (row == 1)
        wrongRows.clear();
    if (!right)
        wrongRows << row;
    if (row < form->PageSize)
        return;
    for (int r = 1; r <= form->PageSize; ++r) {
        const int from = rowShowing(form, expectedIn(form, r));
        if (!wrongRows.contains(r) && from != r)
            QVERIFY(dragTile(form, from, r));
    }
    for (int i = 0; i + 1 < wrongRows.size(); ++i) {
        const int from = rowShowing(form, expectedIn(form, wrongRows[i + 1]));
        if (from != wrongRows[i])
            QVERIFY(dragTile(form, from, wrongRows[i]));
    }
}

} // namespace

class TestPlayNumberTiles : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        player = std::make_unique<GamePlayer>(running->program.get(), answer);
    }
    void cleanup() {
        player.reset();
        running.reset();
    }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<int>>("pageSizes");
        QTest::addColumn<bool>("withWrong");
        QTest::newRow("6a all right") << "6a" << 2 << QList<int>{10, 5} << false;
        QTest::newRow("6a with wrong answers") << "6a" << 4 << QList<int>{10, 10, 5} << true;
        QTest::newRow("6d all right") << "6d" << 1 << QList<int>{10} << false;
        QTest::newRow("6d with wrong answers") << "6d" << 3 << QList<int>{10, 10} << true;
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, choice);
        QFETCH(bool, withWrong);
        TExerciseForm* form = player->start(code, choice, "Ema");
        QVERIFY(form);
        QList<int> sizes;
        bool lowerRowsHidden = true; // on a five-row page
        TwndTab* table = player->playToTable([&](int) {
            sizes << form->PageSize;
            if (form->PageSize == 5)
                lowerRowsHidden &= !tileOf(form, 6)->isVisible() && !form->Vyhodn[5]->isVisible();
            return withWrong ? QSet<int>{1, 4} : QSet<int>{};
        });
        QVERIFY(table);
        QTEST(sizes, "pageSizes");
        QVERIFY(lowerRowsHidden);
        const int wrong = withWrong ? 2 * int(sizes.size()) : 0;
        const int examples = std::accumulate(sizes.begin(), sizes.end(), 0);
        QCOMPARE(GamePlayer::score(table), qMakePair(examples - wrong, wrong));
        const QString record = running->install.resultsLog();
        QVERIFY(record.contains("Ema"));
        QVERIFY(record.contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // A note travels with its tile, and the caret with the note; a drop
    // beside the tiles changes nothing; after the check nothing moves.
    void notesTravelWithTheirTiles() {
        auto* form = static_cast<TwndCasy*>(player->start("6d", 1));
        QCOMPARE(form->focusWidget(), form->ed[0]);
        const QString second = form->tiles[1]->text();
        const QString ninth = form->tiles[8]->text();
        form->ed[1]->setFocus();
        GamePlayer::typeText(form->ed[1], "3.15");
        QVERIFY(dragTile(form, 2, 9));
        QCOMPARE(form->tiles[1]->text(), ninth);
        QCOMPARE(form->tiles[8]->text(), second);
        QCOMPARE(form->ed[8]->text(), QString("3.15"));
        QCOMPARE(form->ed[1]->text(), QString());
        QCOMPARE(form->focusWidget(), form->ed[8]);
        QVERIFY(drags::drag(form, form->tiles[2], QPoint(30, 10), QPoint(100, 300)));
        QCOMPARE(form->tiles[2]->pos(), QPoint(224, 106 + 72));
        QCOMPARE(form->tiles[8]->text(), second);
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QVERIFY(!dragTile(form, 9, 2));
        QVERIFY(form->ed[8]->isReadOnly());
        QCOMPARE(form->tiles[8]->text(), second);
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
};

VZ_GUI_TEST_MAIN(TestPlayNumberTiles)
#include "test_play_number_tiles.moc"
