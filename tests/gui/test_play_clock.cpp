// Plays the formal clock drill (6c) from the menu to the table with real
// mouse drags of the wording tiles onto the labels of the clocks.

#include "app/application.h"
#include "app/globals.h"
#include "controls/drag_token.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/numbers/clock_face.h"
#include "drills/numbers/hod_form.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/mouse_drags.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>

using namespace vz;
using namespace vz::test;
using drags::Mishap;

namespace {

// The tile in the column holding `wording`; for none, one holding no clock's wording.
TDragToken* tileWith(TwndHod* form, const QString& wording = {}) {
    QStringList answers;
    for (int k = 1; k <= hod::kClocks; ++k)
        answers << form->clock(k).Answer;
    for (int t = 1; t <= hod::kTiles; ++t) {
        const QString& text = form->board().tile(t);
        if (!text.isEmpty() && (wording.isEmpty() ? !answers.contains(text) : text == wording))
            return form->tiles[t - 1];
    }
    return nullptr;
}

bool dragTo(TwndHod* form, TDragToken* tile, int k, Mishap mishap = Mishap::None) {
    const QPoint label = form->Napis[k - 1]->geometry().center();
    return tile && drags::drag(form, tile, QPoint(30, 10), label, mishap);
}

void answer(TExerciseForm* form, int k, bool right) {
    auto* hod = static_cast<TwndHod*>(form);
    const QString& wording = hod->clock(k).Answer;
    QVERIFY(dragTo(hod, tileWith(hod, right ? wording : QString()), k));
    QCOMPARE(hod->Napis[k - 1]->text() == wording, right);
}

} // namespace

class TestPlayClock : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("examples");
        QTest::addColumn<QSet<int>>("wrongRows");
        QTest::newRow("all right") << 1 << 10 << QSet<int>{};
        QTest::newRow("with wrong answers") << 3 << 20 << QSet<int>{1, 4};
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(int, choice);
        QFETCH(int, examples);
        QFETCH(QSet<int>, wrongRows);
        GamePlayer player(running->program.get(), answer);
        auto* form = static_cast<TwndHod*>(player.start("6c", choice, "Ema"));
        QVERIFY(form);
        for (int k = 1; k <= hod::kClocks; ++k) {
            const auto hands = form->faces[k - 1]->angles();
            QVERIFY(hands && hands->minute == form->clock(k).Minutes * 6.0);
        }
        TwndTab* table = player.playToTable([&](int) { return wrongRows; });
        QVERIFY(table);
        QCOMPARE(player.pagesPlayed(), examples / 5);
        const int wrong = int(wrongRows.size()) * player.pagesPlayed();
        QCOMPARE(GamePlayer::score(table), qMakePair(examples - wrong, wrong));
        QVERIFY(running->install.resultsLog().contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // A wording dropped on a filled label sends the old one back to the
    // column, a click on a label gives its wording back; after the check
    // nothing moves.
    void wordingsMoveBetweenColumnAndLabels() {
        GamePlayer player(running->program.get(), answer);
        auto* form = static_cast<TwndHod*>(player.start("6c", 1));
        const QString first = form->clock(1).Answer;
        QVERIFY(dragTo(form, tileWith(form, first), 2));
        QVERIFY(dragTo(form, tileWith(form, form->clock(2).Answer), 2));
        QCOMPARE(form->Napis[1]->text(), form->clock(2).Answer);
        QVERIFY(tileWith(form, first) && tileWith(form, first)->isVisible());
        QTest::mouseClick(form->Napis[1], Qt::LeftButton);
        QVERIFY(form->Napis[1]->text().isEmpty());
        QVERIFY(dragTo(form, tileWith(form, first), 1, Mishap::DoubleClick));
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QTest::mouseClick(form->Napis[0], Qt::LeftButton);
        QCOMPARE(form->Napis[0]->text(), first);
        QVERIFY(!dragTo(form, tileWith(form), 3));
        QCOMPARE(qMakePair(RightCount, WrongCount), qMakePair(quint8(1), quint8(4)));
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlayClock)
#include "test_play_clock.moc"
