// Plays the sorting drills (3a and 7a: three columns; 4d: wohin and wo) from
// the menu to the table with real mouse drags of the chips.

#include "app/application.h"
#include "app/globals.h"
#include "controls/drag_token.h"
#include "controls/ext_image.h"
#include "controls/fonts.h"
#include "controls/labels.h"
#include "drills/words/cleny_form.h"
#include "drills/words/predl2_rules.h"
#include "screens/hint_windows.h"
#include "support/game_player.h"
#include "support/mouse_drags.h"
#include "support/running_program.h"

#include <QFontMetrics>
#include <QTest>

using namespace vz;
using namespace vz::test;
using drags::Mishap;
using sorting::Place;

Q_DECLARE_METATYPE(vz::sorting::Place)

namespace {

QPoint centreOf(TSortingForm* form, Place slot) {
    return form->board().layout().slotRect(slot).center();
}

bool dragChip(TSortingForm* form, int chip, QPoint target, Mishap mishap = Mishap::None) {
    TDragToken* token = form->chips[chip - 1];
    return drags::drag(form, token, token->rect().center(), target, mishap);
}

int columnOf(TSortingForm* form, int chip) {
    for (int c = 1; c <= form->page().columnWords.size(); ++c) {
        if (form->page().columnWords[c - 1].contains(form->page().chipWords[chip - 1]))
            return c;
    }
    return 0;
}

Place freeSlot(TSortingForm* form, int column) {
    for (int row = 1; row <= sorting::kSlotRows; ++row) {
        if (form->board().chipIn({column, row}) == 0)
            return {column, row};
    }
    return {};
}

// Right: into the chip's column. Wrong: an even chip stays in the pool, an
// odd one goes into the next column with room.
void answer(TExerciseForm* exercise, int chip, bool right) {
    auto* form = static_cast<TSortingForm*>(exercise);
    const int columns = form->board().layout().columns();
    const int own = columnOf(form, chip);
    Place slot = right ? freeSlot(form, own) : Place{};
    for (int k = 1; !right && chip % 2 && k < columns && slot.inPool(); ++k)
        slot = freeSlot(form, (own - 1 + k) % columns + 1);
    if (!right && chip % 2 == 0)
        return;
    QVERIFY(dragChip(form, chip, centreOf(form, slot)));
    QCOMPARE(form->board().placeOf(chip), slot);
}

// Each chip lies where the board says, shown once with its own word (only
// a checked page hides a pool chip over the continue button); no slot holds
// two; nothing keeps the mouse.
bool pageIsWhole(TSortingForm* form) {
    QSet<QPair<int, int>> taken;
    QStringList shown;
    QStringList dealt(form->page().chipWords.begin(), form->page().chipWords.end());
    for (int chip = 1; chip <= sorting::kChips; ++chip) {
        TDragToken* token = form->chips[chip - 1];
        const Place place = form->board().placeOf(chip);
        const bool hidden = form->PageChecked && place.inPool() &&
                            token->geometry().intersects(form->Pokr->geometry());
        if (token->isDragging() || token->pos() != form->board().restingPlace(chip) ||
            token->isVisible() == hidden ||
            (!place.inPool() && taken.contains({place.column, place.row})))
            return false;
        taken.insert({place.column, place.row});
        shown << token->text();
    }
    shown.sort();
    dealt.sort();
    return shown == dealt && !QWidget::mouseGrabber();
}

} // namespace

class TestPlaySortingDrills : public QObject {
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

    // Page 1: a chip wrong in column 1, another wrong in column 2, the rest
    // in the pool. Only placed chips show a mark, beside their slot; a wrong
    // mark names the word's column while pressed, to the right of the first
    // column of 3a and 7a, to the left everywhere else. Page 2: chips 2 and 5 wrong.
    void marksRevealTheColumnAndTheTableCountsEveryChip_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("firstOpensRight");
        QTest::newRow("3a") << "3a" << true;
        QTest::newRow("7a") << "7a" << true;
        QTest::newRow("4d") << "4d" << false;
    }
    void marksRevealTheColumnAndTheTableCountsEveryChip() {
        QFETCH(QString, code);
        QFETCH(bool, firstOpensRight);
        auto* form = static_cast<TSortingForm*>(player->start(code, 2));
        QList<int> wrong;
        for (int column : {1, 2}) {
            for (int chip = 1; chip <= sorting::kChips && wrong.size() < column; ++chip) {
                if (columnOf(form, chip) != column && !wrong.contains(chip))
                    wrong << chip;
            }
            QVERIFY(dragChip(form, wrong.last(), centreOf(form, {column, 7})));
        }
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QVERIFY(pageIsWhole(form));
        for (int chip = 1; chip <= sorting::kChips; ++chip)
            QCOMPARE(form->markOf(chip)->isVisible(), wrong.contains(chip));

        MainSequence* program = running->program.get();
        for (int column : {1, 2}) {
            TExtImage* mark = form->markOf(wrong[column - 1]);
            QCOMPARE(mark->pos(), form->board().layout().markPosition({column, 7}));
            QTest::mousePress(mark, Qt::LeftButton);
            const bool right = column == 1 && firstOpensRight;
            QWidget* hint = right ? static_cast<QWidget*>(program->hintR()) : program->hint();
            QLabel* text = right ? program->hintR()->Text : program->hint()->Text;
            QVERIFY(hint->isVisible() && (program->hint()->isVisible() != right));
            QCOMPARE(right ? hint->x() : hint->x() + hint->width(),
                     right ? mark->x() + mark->width() - 7 : mark->x() + 7);
            QCOMPARE(text->text(),
                     (code == "4d" ? "Spojenie: '" : "Slovo: '") +
                         form->page().chipWords[wrong[column - 1] - 1] +
                         form->game().answerEnds[columnOf(form, wrong[column - 1]) - 1]);
            QTest::mouseRelease(mark, Qt::LeftButton);
            QVERIFY(!program->hint()->isVisible() && !program->hintR()->isVisible());
        }
        QVERIFY(!dragChip(form, wrong[0], centreOf(form, {2, 1}))); // checked chips stay

        player->pressContinue();
        for (int chip = 1; chip <= sorting::kChips; ++chip)
            QVERIFY(form->board().placeOf(chip).inPool() && !form->markOf(chip)->isVisible());
        QVERIFY(pageIsWhole(form));
        TwndTab* table = player->playToTable([](int) { return QSet<int>{2, 5}; });
        QVERIFY(table);
        QCOMPARE(GamePlayer::score(table), qMakePair(7, 11)); // the pool counts wrong too
    }

    // Whatever happens while chip 1 is held on its way from slot (1, 1), no
    // chip is lost or doubled and nothing keeps the mouse.
    void mishapsDuringADragLoseNoChip_data() {
        QTest::addColumn<Mishap>("mishap");
        QTest::addColumn<Place>("endsIn"); // chip 1's place afterwards
        QTest::newRow("double click on the way") << Mishap::DoubleClick << Place{2, 2};
        QTest::newRow("check while held") << Mishap::Check << Place{1, 1};
        QTest::newRow("new while held") << Mishap::New << Place{};
    }
    void mishapsDuringADragLoseNoChip() {
        QFETCH(Mishap, mishap);
        auto* form = static_cast<TSortingForm*>(player->start("3a", 1));
        QVERIFY(dragChip(form, 1, centreOf(form, {1, 1})));
        QVERIFY(dragChip(form, 2, centreOf(form, {2, 1})));
        QVERIFY(dragChip(form, 1, centreOf(form, {2, 2}), mishap));
        QTEST(form->board().placeOf(1), "endsIn");
        QCOMPARE(form->board().placeOf(2), (mishap == Mishap::New ? Place{} : Place{2, 1}));
        QVERIFY(pageIsWhole(form));
        if (mishap == Mishap::Check) { // judged where it lay before the drag
            QCOMPARE(form->markOf(1)->pos(), form->board().layout().markPosition({1, 1}));
            return;
        }
        QVERIFY(dragChip(form, 3, centreOf(form, {2, 3}))); // the page still takes drags
        QCOMPARE(form->board().placeOf(3), (Place{2, 3}));
    }

    // Every word of the content fits its chip at a readable size.
    void everyWordIsReadableOnItsChip() {
        for (const auto& [group, letter] :
             QList<std::pair<int, char>>{{3, 'a'}, {7, 'a'}, {4, 'd'}}) {
            const bool wo = group == 4;
            const sorting::Deck deck = sorting::readDeck(DataList, group, letter,
                                                         wo ? predl2::game() : cleny::game(group));
            const int limit = (wo ? predl2::layout() : cleny::layout()).textLimit;
            for (const QStringList& section : deck.sections) {
                for (const QString& word : section) {
                    const auto width = [&word](int px) {
                        return QFontMetrics(screenFont(px)).horizontalAdvance(word);
                    };
                    QVERIFY2(word.startsWith('#') || sorting::chipFontSize(width, limit) >= 9,
                             qPrintable(word));
                }
            }
        }
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
};

VZ_GUI_TEST_MAIN(TestPlaySortingDrills)
#include "test_play_sorting_drills.moc"
