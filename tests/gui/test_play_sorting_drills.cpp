// Plays the sorting drills (3a and 7a: three columns; 4d: wohin and wo) from
// the menu to the table with real mouse drags: a press on the chip, moves and
// the release sent to the widget that holds the mouse.

#include "app/application.h"
#include "app/globals.h"
#include "controls/drag_token.h"
#include "controls/ext_image.h"
#include "controls/fonts.h"
#include "controls/labels.h"
#include "drills/words/cleny_form.h"
#include "drills/words/predl2_rules.h"
#include "screens/hint_windows.h"
#include "store/cp1250.h"
#include "store/results.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>

using namespace vz;
using namespace vz::test;
using sorting::Place;

Q_DECLARE_METATYPE(vz::sorting::Place)

namespace {

enum class Mishap { Between, OnOccupied, OnOwnSlot, Outside, ButtonLost, DoubleClick, Check, New };

QPoint centreOf(TSortingForm* form, Place slot) {
    return form->board().layout().slotRect(slot).center();
}

void sendMouse(QWidget* to, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(to->mapToGlobal(local)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Sends a move or the release to whatever holds the mouse, at a form position.
void toHolder(TSortingForm* form, QPoint at, bool release) {
    QWidget* holder = QWidget::mouseGrabber() ? QWidget::mouseGrabber() : form;
    QTest::mouseMove(holder, holder->mapFrom(form, at));
    if (release) // where the chip has followed by now
        QTest::mouseRelease(holder, Qt::LeftButton, {}, holder->mapFrom(form, at));
}

// Presses the chip and moves three quarters of the way to `target`; the
// chip must stay under the pointer at every step.
TDragToken* pressAndMove(TSortingForm* form, int chip, QPoint target) {
    TDragToken* token = form->chips[chip - 1];
    const QPoint grip = token->rect().center();
    const QPoint start = token->mapTo(form, grip);
    QTest::mousePress(token, Qt::LeftButton, {}, grip);
    for (int step = 1; step <= 3 && QWidget::mouseGrabber() == token; ++step) {
        toHolder(form, start + (target - start) * step / 4, false);
        if (token->mapFrom(form, start + (target - start) * step / 4) != grip)
            return nullptr;
    }
    return QWidget::mouseGrabber() == token ? token : nullptr;
}

bool dragChip(TSortingForm* form, int chip, QPoint target) {
    if (!pressAndMove(form, chip, target))
        return false;
    toHolder(form, target, true);
    return !QWidget::mouseGrabber();
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
    QVERIFY(!slot.inPool());
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
    void initTestCase() {
        // The offscreen platform cannot grab the pointer; the widget grab works all the same.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (previous &&
                    text != QLatin1String("This plugin does not support grabbing the mouse"))
                    previous(type, context, text);
            });
    }
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
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSet<int>>("wrongChips"); // on every page
        for (const char* code : {"3a", "7a", "4d"}) {
            QTest::addRow("%s all right", code) << code << 1 << QSet<int>{};
            QTest::addRow("%s with wrong answers", code) << code << 2 << QSet<int>{2, 5};
        }
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, pages);
        QFETCH(QSet<int>, wrongChips);
        QVERIFY(player->start(code, pages, QStringLiteral("Ľubo")));
        TwndTab* table = player->playToTable([&](int) { return wrongChips; });
        QVERIFY(table);
        QCOMPARE(player->pagesPlayed(), pages);
        const int wrong = int(wrongChips.size()) * pages;
        QCOMPARE(table->cell(0, 1)->text(), QStringLiteral("Ľubo"));
        QCOMPARE(table->cell(0, 2)->text(), QString::number(9 * pages - wrong));
        QCOMPARE(table->cell(0, 3)->text(), QString::number(wrong));

        QFile log(running->install.dataDir() + "/Vysledky.dat");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList record = cp1250::decode(log.readAll()).split("\r\n");
        QVERIFY(record[0].startsWith(QStringLiteral("Jméno: Ľubo")));
        QCOMPARE(record[1], QStringLiteral("Hra: ") + logGameTitle(GameNumber));
        QVERIFY(record[2].startsWith(QStringLiteral("Počet příkladů:  %1 ").arg(9 * pages)));
        QVERIFY(record[2].contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // After the check only placed chips show a mark, beside their slot; a
    // wrong mark names the word's column while pressed, to the right of the
    // first column of 3a and 7a, to the left everywhere else.
    void marksLieBesideTheSlotsAndRevealTheColumn_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("firstOpensRight");
        QTest::newRow("3a") << "3a" << true;
        QTest::newRow("7a") << "7a" << true;
        QTest::newRow("4d") << "4d" << false;
    }
    void marksLieBesideTheSlotsAndRevealTheColumn() {
        QFETCH(QString, code);
        QFETCH(bool, firstOpensRight);
        auto* form = static_cast<TSortingForm*>(player->start(code, 2));
        QList<int> wrong; // a chip that is wrong in column 1, another wrong in column 2
        for (int column : {1, 2}) {
            for (int chip = 1; chip <= sorting::kChips && wrong.size() < column; ++chip) {
                if (columnOf(form, chip) != column && !wrong.contains(chip))
                    wrong << chip;
            }
            QVERIFY(dragChip(form, wrong.last(), centreOf(form, {column, 7})));
        }
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(int(WrongCount), 9); // the seven in the pool count wrong too
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
        QTest::mousePress(form->chips[wrong[0] - 1], Qt::LeftButton); // checked chips stay
        QVERIFY(!QWidget::mouseGrabber());

        player->pressContinue();
        for (int chip = 1; chip <= sorting::kChips; ++chip)
            QVERIFY(form->board().placeOf(chip).inPool() && !form->markOf(chip)->isVisible());
        QVERIFY(pageIsWhole(form));
    }

    // Whatever happens while a chip is held, no chip is lost or doubled and
    // nothing keeps the mouse. Chip 1 starts in slot (1, 1), chip 2 in (2, 1).
    void mishapsDuringADragLoseNoChip_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("mishap");
        QTest::addColumn<Place>("endsIn"); // chip 1's place afterwards
        for (const char* code : {"3a", "4d"}) {
            QTest::addRow("%s between slots", code) << code << int(Mishap::Between) << Place{};
            QTest::addRow("%s on an occupied slot", code)
                << code << int(Mishap::OnOccupied) << Place{};
            QTest::addRow("%s on its own slot", code) << code << int(Mishap::OnOwnSlot) << Place{};
            QTest::addRow("%s released outside", code) << code << int(Mishap::Outside) << Place{};
            QTest::addRow("%s button lost", code) << code << int(Mishap::ButtonLost) << Place{1, 1};
            QTest::addRow("%s double click", code)
                << code << int(Mishap::DoubleClick) << Place{2, 2};
            QTest::addRow("%s check while held", code) << code << int(Mishap::Check) << Place{1, 1};
            QTest::addRow("%s new while held", code) << code << int(Mishap::New) << Place{};
        }
    }
    void mishapsDuringADragLoseNoChip() {
        QFETCH(QString, code);
        QFETCH(int, mishap);
        auto* form = static_cast<TSortingForm*>(player->start(code, 1));
        QVERIFY(dragChip(form, 1, centreOf(form, {1, 1})));
        QVERIFY(dragChip(form, 2, centreOf(form, {2, 1})));
        const QRect second = form->board().layout().slotRect({2, 1});
        const QHash<int, QPoint> drops{
            {int(Mishap::Between), QPoint(second.center().x(), second.bottom() + 2)},
            {int(Mishap::OnOccupied), second.center()},
            {int(Mishap::OnOwnSlot), centreOf(form, {1, 1})},
            {int(Mishap::Outside), QPoint(-40, 600)}};
        const QPoint next = centreOf(form, {2, 2});
        if (drops.contains(mishap)) {
            QVERIFY(dragChip(form, 1, drops[mishap]));
        } else {
            TDragToken* token = pressAndMove(form, 1, next);
            QVERIFY(token);
            if (Mishap(mishap) == Mishap::ButtonLost)
                sendMouse(token, QEvent::MouseMove, token->mapFrom(form, next), Qt::NoButton);
            if (Mishap(mishap) == Mishap::DoubleClick) {
                sendMouse(token, QEvent::MouseButtonDblClick, token->mapFrom(form, next),
                          Qt::LeftButton);
                toHolder(form, next, true);
            }
            if (Mishap(mishap) == Mishap::Check)
                QTest::mouseClick(form->checkButton, Qt::LeftButton);
            if (Mishap(mishap) == Mishap::New)
                QTest::mouseClick(form->newButton, Qt::LeftButton);
            QVERIFY(!QWidget::mouseGrabber());
            QTest::mouseRelease(token, Qt::LeftButton, {}, token->mapFrom(form, next)); // too late
        }
        QTEST(form->board().placeOf(1), "endsIn");
        QCOMPARE(form->board().placeOf(2), (Mishap(mishap) == Mishap::New ? Place{} : Place{2, 1}));
        QVERIFY(pageIsWhole(form));
        if (Mishap(mishap) == Mishap::Check) { // judged where it lay before the drag
            QVERIFY(form->PageChecked && RightCount + WrongCount == 9);
            QCOMPARE(form->markOf(1)->pos(), form->board().layout().markPosition({1, 1}));
            return;
        }
        QVERIFY(dragChip(form, 3, centreOf(form, {2, 3}))); // the page still takes drags
        QCOMPARE(form->board().placeOf(3), (Place{2, 3}));
    }

    // A real double click on a chip in a slot: the first click drops it on
    // its own slot (back to the pool); the second goes to what lies there then.
    void doubleClickOnAPlacedChipLosesNothing() {
        auto* form = static_cast<TSortingForm*>(player->start("7a", 1));
        QVERIFY(dragChip(form, 4, centreOf(form, {3, 2})));
        GamePlayer::doubleClick(form->parentWidget(), centreOf(form, {3, 2}));
        QVERIFY(form->board().placeOf(4).inPool());
        QVERIFY(pageIsWhole(form));
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
