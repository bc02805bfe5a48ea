// Plays the superordinate word drill (7d) from the menu to the table with
// real mouse drags of the chips onto the rows' drop areas.

#include "app/application.h"
#include "app/globals.h"
#include "controls/drag_token.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/words/nadraz_form.h"
#include "support/game_player.h"
#include "support/mouse_drags.h"
#include "support/running_program.h"

#include <QTest>

using namespace vz;
using namespace vz::test;
using drags::Mishap;

namespace {

bool dragChip(TwndNadraz* form, int chip, QPoint target, Mishap mishap = Mishap::None) {
    TDragToken* token = form->Oval[chip - 1];
    return token->isVisible() && drags::drag(form, token, QPoint(30, 9), target, mishap);
}

QPoint dropCentre(TwndNadraz* form, int r) {
    return form->lbDrop[r - 1]->geometry().center();
}

// Every chip is in one place, shown once: in the pool at its home, or
// listed in exactly one row (and the row's list shows exactly its words).
QString lostOrDoubled(TwndNadraz* form) {
    if (QWidget::mouseGrabber())
        return "something holds the mouse";
    for (int chip = 1; chip <= TwndNadraz::kChips; ++chip) {
        const TDragToken* token = form->Oval[chip - 1];
        const bool inPool = form->placement().rowOf(chip) == 0;
        if (token->isDragging() || token->isVisible() != inPool ||
            (inPool && token->pos() != token->Home))
            return QString("chip %1 is out of place").arg(chip);
    }
    for (int r = 1; r <= TwndNadraz::kRows; ++r) {
        QStringList shown;
        for (const TWordLabel* label : form->PlacedWords[r - 1]) {
            if (label->isVisible())
                shown << label->text().section(',', 0, 0);
        }
        if (shown != form->placedWords(r))
            return QString("row %1 lists %2").arg(r).arg(shown.join(' '));
    }
    return {};
}

} // namespace

class TestPlayNadraz : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    // Rows 1 and 4 wrong on each of three pages: their first chip dropped on
    // the next row, the others left in the pool, every chip of the row a
    // wrong answer. A word shown on a checked page never comes again.
    void playsFromTheMenuToTheTable() {
        int wrong = 0;
        GamePlayer player(running->program.get(), [&wrong](TExerciseForm* f, int r, bool right) {
            auto* form = static_cast<TwndNadraz*>(f);
            QList<int> chips;
            for (int chip = 1; chip <= TwndNadraz::kChips; ++chip) {
                if (form->page().chips[chip - 1].row == r)
                    chips << chip;
            }
            wrong += right ? 0 : int(chips.size());
            for (int chip : right ? chips : chips.mid(0, 1))
                QVERIFY(dragChip(form, chip, dropCentre(form, right ? r : r % 6 + 1)));
        });
        auto* form = qobject_cast<TwndNadraz*>(player.start("7d", 3));
        QVERIFY(form);
        QSet<QString> seen;
        bool pagesSound = true;
        TwndTab* table = player.playToTable([&](int) {
            for (const nadraz::Chip& chip : form->page().chips)
                pagesSound &=
                    !form->lbVzor[chip.row - 1]->text().isEmpty() && !seen.contains(chip.word);
            for (const nadraz::Chip& chip : form->page().chips)
                seen.insert(chip.word);
            return QSet<int>{1, 4};
        });
        QVERIFY(table);
        QVERIFY(pagesSound);
        QCOMPARE(player.pagesPlayed(), 3);
        QCOMPARE(GamePlayer::score(table), qMakePair(36 - wrong, wrong));
    }

    // Listed words are separated by commas; a listed word clicked goes back
    // to the pool, the gap closes and the last word loses its comma. After
    // the check neither clicks nor drags change anything.
    void aListedWordClickedGoesBackToThePool() {
        GamePlayer player(running->program.get(), {});
        auto* form = static_cast<TwndNadraz*>(player.start("7d", 1));
        const auto& labels = form->PlacedWords[0];
        const auto word = [form](int chip) { return form->page().chips[chip - 1].word; };
        for (int chip : {1, 2, 3})
            QVERIFY(dragChip(form, chip, dropCentre(form, 1)));
        QCOMPARE(form->placedWords(1), QStringList({word(1), word(2), word(3)}));
        QCOMPARE(labels[0]->text(), word(1) + ",");
        QCOMPARE(labels[0]->pos(), QPoint(191, 117));
        QTest::mouseClick(labels[1], Qt::LeftButton);
        QCOMPARE(labels[1]->text(), word(3));
        QCOMPARE(labels[1]->x(), labels[0]->x() + labels[0]->width() + 4);
        QVERIFY2(lostOrDoubled(form).isEmpty(), qPrintable(lostOrDoubled(form)));
        QTest::mouseClick(labels[1], Qt::LeftButton);
        QCOMPARE(labels[0]->text(), word(1));

        QVERIFY(dragChip(form, 4, dropCentre(form, 2)));
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QTest::mouseClick(form->PlacedWords[1][0], Qt::LeftButton);
        QCOMPARE(form->placedWords(2), QStringList{word(4)});
        QVERIFY(!dragChip(form, 5, dropCentre(form, 2)));
        QVERIFY2(lostOrDoubled(form).isEmpty(), qPrintable(lostOrDoubled(form)));
    }

    // Whatever happens while a chip holds the mouse, no chip is lost or
    // doubled and nothing keeps the mouse.
    void mishapsDuringADragLoseNoChip_data() {
        QTest::addColumn<Mishap>("mishap");
        QTest::newRow("dropped on the area's corner") << Mishap::None;
        QTest::newRow("check while held") << Mishap::Check;
        QTest::newRow("new while held") << Mishap::New;
    }
    void mishapsDuringADragLoseNoChip() {
        QFETCH(Mishap, mishap);
        GamePlayer player(running->program.get(), {});
        auto* form = static_cast<TwndNadraz*>(player.start("7d", 1));
        QVERIFY(dragChip(form, 1, QPoint(191 + 394, 117 + 20), mishap));
        QVERIFY2(lostOrDoubled(form).isEmpty(), qPrintable(lostOrDoubled(form)));
        QCOMPARE(form->placement().rowOf(1), mishap == Mishap::None ? 1 : 0);
        if (mishap == Mishap::Check) { // the chip held counts as one left in the pool
            QCOMPARE(WrongCount, quint8(12));
        } else { // the page still takes drags
            QVERIFY(dragChip(form, 2, dropCentre(form, 3)));
            QCOMPARE(form->placement().rowOf(2), 3);
        }
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlayNadraz)
#include "test_play_nadraz.moc"
