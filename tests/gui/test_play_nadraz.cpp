// Plays the superordinate word drill (7d) from the menu to the table with
// real mouse drags: a press on the chip, moves and the release sent to the
// widget that holds the mouse, the release over a row's drop area.

#include "app/application.h"
#include "app/globals.h"
#include "controls/drag_token.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/words/nadraz_form.h"
#include "store/cp1250.h"
#include "store/results.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

constexpr QPoint kGrip(30, 9); // where the chip is taken, in its own coordinates
const QPoint kPool(300, 465);  // below the chips, outside every drop area

enum class Mishap { None, DoubleClick, ButtonLost, OutsideTheWindow, Check, New };

void sendMouse(QWidget* to, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(to->mapToGlobal(local)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Presses chip `chip` and moves it halfway to `target` (form coordinates),
// each move sent to the widget that holds the mouse; null unless the chip
// took the mouse and kept the grabbed point under the pointer.
TDragToken* pressAndMove(TwndNadraz* form, int chip, QPoint target) {
    TDragToken* token = form->Oval[chip - 1];
    if (!token->isVisible())
        return nullptr;
    const QPoint start = token->pos() + kGrip;
    QTest::mousePress(token, Qt::LeftButton, {}, kGrip);
    if (QWidget::mouseGrabber() != token || !token->isDragging()) {
        QTest::mouseRelease(token, Qt::LeftButton, {}, kGrip);
        return nullptr;
    }
    for (int step = 1; step <= 2; ++step) {
        const QPoint to = start + (target - start) * step / 4;
        QWidget* grabber = QWidget::mouseGrabber();
        QTest::mouseMove(grabber, grabber->mapFrom(form, to));
        if (token->mapFrom(form, to) != kGrip)
            return nullptr;
    }
    return token;
}

// A whole drag of chip `chip` to `target`, with a mishap on the way.
bool dragChip(TwndNadraz* form, int chip, QPoint target, Mishap mishap = Mishap::None) {
    TDragToken* token = pressAndMove(form, chip, target);
    if (!token)
        return false;
    if (mishap == Mishap::DoubleClick)
        sendMouse(token, QEvent::MouseButtonDblClick, token->mapFrom(form, target), Qt::LeftButton);
    QWidget* grabber = QWidget::mouseGrabber();
    if (!grabber)
        return false;
    QTest::mouseMove(grabber, grabber->mapFrom(form, target));
    QTest::mouseRelease(grabber, Qt::LeftButton, {}, grabber->mapFrom(form, target));
    return !QWidget::mouseGrabber() && !token->isDragging();
}

QPoint dropCentre(TwndNadraz* form, int r) {
    return form->lbDrop[r - 1]->geometry().center();
}

QList<int> chipsOfRow(TwndNadraz* form, int r) {
    QList<int> chips;
    for (int chip = 1; chip <= TwndNadraz::kChips; ++chip) {
        if (form->page().chips[chip - 1].row == r)
            chips << chip;
    }
    return chips;
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
    void initTestCase() {
        // The offscreen platform cannot grab the pointer; the widget grab works all the same.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (previous &&
                    text != QLatin1String("This plugin does not support grabbing the mouse"))
                    previous(type, context, text);
            });
    }
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSet<int>>("wrongRows"); // on every page
        QTest::newRow("all right") << 2 << 2 << QSet<int>{};
        QTest::newRow("with wrong answers") << 3 << 3 << QSet<int>{1, 4};
    }
    // A right row: all its chips dropped on it. A wrong row: its first chip
    // dropped on the next row, the others left in the pool. Every chip of a
    // wrong row is a wrong answer, every other chip a right one.
    void playsFromTheMenuToTheTable() {
        QFETCH(int, choice);
        QFETCH(int, pages);
        QFETCH(QSet<int>, wrongRows);
        int wrong = 0;
        GamePlayer player(running->program.get(), [&wrong](TExerciseForm* f, int r, bool right) {
            auto* form = static_cast<TwndNadraz*>(f);
            const QList<int> chips = chipsOfRow(form, r);
            if (!right) {
                wrong += int(chips.size());
                if (!chips.isEmpty())
                    QVERIFY(dragChip(form, chips.first(), dropCentre(form, r % 6 + 1)));
                return;
            }
            for (int chip : chips)
                QVERIFY(dragChip(form, chip, dropCentre(form, r)));
        });
        auto* form = qobject_cast<TwndNadraz*>(player.start("7d", choice, QStringLiteral("Žofia")));
        QVERIFY(form);
        QSet<QString> seen; // a word shown on a checked page never comes again
        bool pagesSound = true;
        TwndTab* table = player.playToTable([&](int) {
            for (const nadraz::Chip& chip : form->page().chips)
                pagesSound &=
                    !seen.contains(chip.word) && !form->lbVzor[chip.row - 1]->text().isEmpty();
            for (const nadraz::Chip& chip : form->page().chips)
                seen.insert(chip.word);
            return wrongRows;
        });
        QVERIFY(table);
        QVERIFY(pagesSound);
        QCOMPARE(player.pagesPlayed(), pages);
        const int examples = 12 * pages;
        QVERIFY(wrongRows.isEmpty() == (wrong == 0));
        QCOMPARE(table->cell(0, 1)->text(), QStringLiteral("Žofia"));
        QCOMPARE(table->cell(0, 2)->text(), QString::number(examples - wrong));
        QCOMPARE(table->cell(0, 3)->text(), QString::number(wrong));
        QVERIFY(!QWidget::mouseGrabber());

        QFile log(running->install.dataDir() + "/Vysledky.dat");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList record = cp1250::decode(log.readAll()).split("\r\n");
        QVERIFY(record[0].startsWith(QStringLiteral("Jméno: Žofia")));
        QCOMPARE(record[1], QStringLiteral("Hra: ") + logGameTitle(GameNumber));
        QVERIFY(record[2].startsWith(QStringLiteral("Počet příkladů:  %1 ").arg(examples)));
        QVERIFY(record[2].contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // Three words listed with commas; the middle one clicked closes the gap,
    // the last one clicked takes the comma from the one before it; every
    // chip clicked back shows again in its home. After the check clicks do nothing.
    void aListedWordClickedGoesBackToThePool() {
        GamePlayer player(running->program.get(), {});
        auto* form = static_cast<TwndNadraz*>(player.start("7d", 1));
        const auto& labels = form->PlacedWords[0];
        const auto word = [form](int chip) { return form->page().chips[chip - 1].word; };
        for (int chip : {1, 2, 3})
            QVERIFY(dragChip(form, chip, dropCentre(form, 1)));
        QCOMPARE(form->placedWords(1), QStringList({word(1), word(2), word(3)}));
        QCOMPARE(labels[0]->text(), word(1) + ",");
        QCOMPARE(labels[2]->text(), word(3));
        QCOMPARE(labels[0]->pos(), QPoint(191, 117));
        QCOMPARE(labels[1]->x(), labels[0]->x() + labels[0]->width() + 4);

        QTest::mouseClick(labels[1], Qt::LeftButton);
        QCOMPARE(form->placedWords(1), QStringList({word(1), word(3)}));
        QCOMPARE(labels[0]->text(), word(1) + ",");
        QCOMPARE(labels[1]->text(), word(3));
        QCOMPARE(labels[1]->x(), labels[0]->x() + labels[0]->width() + 4);
        QVERIFY(form->Oval[1]->isVisible());
        QVERIFY2(lostOrDoubled(form).isEmpty(), qPrintable(lostOrDoubled(form)));

        QTest::mouseClick(labels[1], Qt::LeftButton);
        QCOMPARE(labels[0]->text(), word(1));
        QTest::mouseClick(labels[0], Qt::LeftButton);
        QVERIFY(form->placedWords(1).isEmpty());
        QVERIFY2(lostOrDoubled(form).isEmpty(), qPrintable(lostOrDoubled(form)));

        QVERIFY(dragChip(form, 4, dropCentre(form, 2)));
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QTest::mouseClick(form->PlacedWords[1][0], Qt::LeftButton);
        QCOMPARE(form->placedWords(2), QStringList{word(4)});
        QVERIFY(!dragChip(form, 5, dropCentre(form, 2))); // the chips rest after the check
        QVERIFY2(lostOrDoubled(form).isEmpty(), qPrintable(lostOrDoubled(form)));
        QCOMPARE(RightCount + WrongCount, 12);
    }

    // Whatever happens while a chip holds the mouse, no chip is lost or
    // doubled and nothing keeps the mouse.
    void mishapsDuringADragLoseNoChip_data() {
        QTest::addColumn<int>("mishap");
        QTest::addColumn<QPoint>("target"); // (0, 0): the drop area of row 1
        QTest::addColumn<bool>("lands");
        QTest::newRow("dropped in the pool") << int(Mishap::None) << kPool << false;
        QTest::newRow("dropped between rows") << int(Mishap::None) << QPoint(300, 142) << false;
        QTest::newRow("dropped on the area's edge")
            << int(Mishap::None) << QPoint(191 + 394, 117 + 20) << true;
        QTest::newRow("released outside the window")
            << int(Mishap::OutsideTheWindow) << QPoint(-40, 600) << false;
        QTest::newRow("double click on the way") << int(Mishap::DoubleClick) << QPoint() << true;
        QTest::newRow("button lost outside") << int(Mishap::ButtonLost) << QPoint() << false;
        QTest::newRow("check while held") << int(Mishap::Check) << QPoint() << false;
        QTest::newRow("new while held") << int(Mishap::New) << QPoint() << false;
    }
    void mishapsDuringADragLoseNoChip() {
        QFETCH(int, mishap);
        QFETCH(QPoint, target);
        QFETCH(bool, lands);
        const auto what = Mishap(mishap);
        GamePlayer player(running->program.get(), {});
        auto* form = static_cast<TwndNadraz*>(player.start("7d", 1));
        if (target.isNull())
            target = dropCentre(form, 1);
        if (what == Mishap::None || what == Mishap::DoubleClick) {
            QVERIFY(dragChip(form, 1, target, what));
        } else {
            TDragToken* token = pressAndMove(form, 1, target);
            QVERIFY(token);
            switch (what) {
            case Mishap::ButtonLost:
                sendMouse(token, QEvent::MouseMove, token->mapFrom(form, target), Qt::NoButton);
                break;
            case Mishap::OutsideTheWindow:
                QTest::mouseMove(token, token->mapFrom(form, target));
                QTest::mouseRelease(token, Qt::LeftButton, {}, token->mapFrom(form, target));
                break;
            case Mishap::Check:
                QTest::mouseClick(form->checkButton, Qt::LeftButton);
                QVERIFY(form->PageChecked);
                break;
            case Mishap::New:
                QTest::mouseClick(form->newButton, Qt::LeftButton);
                break;
            default:
                break;
            }
            QVERIFY(!QWidget::mouseGrabber());
            QTest::mouseRelease(token, Qt::LeftButton, {}, token->mapFrom(form, target));
        }
        QVERIFY2(lostOrDoubled(form).isEmpty(), qPrintable(lostOrDoubled(form)));
        QCOMPARE(form->placement().rowOf(1), lands ? 1 : 0);
        if (what == Mishap::Check) { // the chip held counts as one left in the pool
            QCOMPARE(WrongCount, quint8(12));
            QCOMPARE(RightCount, quint8(0));
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
