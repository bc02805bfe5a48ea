// Plays the choose-the-form drill for real: from the main menu through the
// set-up page and every page of the game to the best-results table.

#include "app/application.h"
#include "app/globals.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/verbs/vyber_form.h"
#include "screens/backdrop.h"
#include "screens/hint_windows.h"
#include "screens/option_popups.h"
#include "screens/select_form.h"
#include "screens/setup_form.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>
#include <QTimer>

using namespace vz;
using namespace vz::test;

namespace {

// Opens the list of row r and clicks the offered form `pick`.
void choose(TwndVyber* form, int r, const QString& pick) {
    QTest::mousePress(form->edSlovo[r - 1], Qt::LeftButton);
    QVERIFY(form->moznosti->isVisible());
    for (TExtLabel* item : form->moznosti->items) {
        if (item->text() == pick) {
            QTest::mouseClick(item, Qt::LeftButton);
            return;
        }
    }
    QFAIL("offered form not in the list");
}

QString wrongForm(const VyberRow& row) {
    return row.offered[0] != row.correct ? row.offered[0] : row.offered[1];
}

void answer(TExerciseForm* form, int r, bool right) {
    auto* vyber = static_cast<TwndVyber*>(form);
    choose(vyber, r, right ? vyber->row(r).correct : wrongForm(vyber->row(r)));
}

} // namespace

class TestPlayVyber : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        program = running->program.get();
        player = std::make_unique<GamePlayer>(program, answer);
    }
    void cleanup() {
        player.reset();
        running.reset();
    }

    void playFifteenExamplesFromTheMenuToTheTable() {
        auto* form = static_cast<TwndVyber*>(player->start("1a", 2, QStringLiteral("Ľubica")));
        QVERIFY(form);
        QCOMPARE(form->Caption, QStringLiteral("Vevider Zuduzad: Pomocné slovesá"));
        QCOMPARE(Stage()->window()->windowTitle(), form->Caption);

        // Page 1: ten rows, rows 2 and 7 answered wrongly.
        QCOMPARE(form->PageSize, 10);
        QVERIFY(!form->zakryti->isVisible());
        player->answerPage({2, 7});
        QCOMPARE(RightCount, quint8(8));
        QCOMPARE(WrongCount, quint8(2));

        // A wrong mark shows the correct answer while it is pressed; a right one shows nothing.
        QCOMPARE(form->Vyhodn[0]->toolTip(), QString());
        QCOMPARE(form->Vyhodn[1]->toolTip(), TExerciseForm::markHint());
        QTest::mousePress(form->Vyhodn[1], Qt::LeftButton);
        QVERIFY(program->hint()->isVisible());
        QCOMPARE(program->hint()->Text->text(), form->row(2).correct);
        QCOMPARE(program->hint()->x() + program->hint()->width(), form->Vyhodn[1]->x() + 7);
        QTest::mouseRelease(form->Vyhodn[1], Qt::LeftButton);
        QVERIFY(!program->hint()->isVisible());
        QTest::mousePress(form->Vyhodn[0], Qt::LeftButton);
        QVERIFY(!program->hint()->isVisible());
        QTest::mouseRelease(form->Vyhodn[0], Qt::LeftButton);

        // Gaps no longer open, check counts nothing more.
        QTest::mousePress(form->edSlovo[0], Qt::LeftButton);
        QVERIFY(!form->moznosti->isVisible());
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(WrongCount, quint8(2));

        // Page 2: five rows, the lower half covered; then the table.
        player->pressContinue();
        QCOMPARE(form->PageSize, 5);
        QVERIFY(form->zakryti->isVisible());
        QVERIFY(!form->edSlovo[5]->isVisible());
        TwndTab* table = player->playToTable();
        QVERIFY(table);
        QCOMPARE(table->cell(0, 0)->text(), QString("1."));
        QCOMPARE(table->cell(0, 1)->text(), QStringLiteral("Ľubica"));
        QCOMPARE(table->cell(0, 2)->text(), QString("13"));
        QCOMPARE(table->cell(0, 3)->text(), QString("2"));
        QCOMPARE(table->cell(0, 4)->text(), QString("2")); // 87 %
        QCOMPARE(table->cell(1, 1)->text(), QString());

        QTest::mouseClick(table->backButton, Qt::LeftButton);
        QTRY_VERIFY(!GamePlayer::visibleTable());
        QCOMPARE(program->setup()->edJmeno->text(), QStringLiteral("Ľubica")); // kept its state

        // Leave through the menu; tab.dat holds the table, the log the record.
        QTimer::singleShot(0, [this] { program->select()->CloseQuery(); });
        QCOMPARE(program->run(), 0);
        const QStringList tab = running->install.readScrambled("tab.dat");
        const qsizetype at = tab.indexOf("[1]");
        QVERIFY(at >= 0);
        QCOMPARE(tab[at + 1], QStringLiteral("Ľubica|13|2|2"));
        QCOMPARE(tab[at + 2], QString(" |0|0|0"));
        const QStringList record = running->install.resultsLog().split("\r\n");
        QVERIFY(record[0].startsWith(QStringLiteral("Jméno: Ľubica")));
        QCOMPARE(record[1], QStringLiteral("Hra: Pomocné slovesá"));
        QVERIFY(record[2].startsWith(QStringLiteral("Počet příkladů:  15    ")));
        QCOMPARE(record[3], QString(75, '='));
    }

    void uncheckedGapsAreWrongAndOnlyTheLastChoiceCounts() {
        auto* form = static_cast<TwndVyber*>(player->start("4c", 1));
        choose(form, 3, wrongForm(form->row(3)));
        choose(form, 3, form->row(3).correct);
        QCOMPARE(form->edSlovo[2]->text(), form->row(3).correct);
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(RightCount, quint8(1));
        QCOMPARE(WrongCount, quint8(9));
        QCOMPARE(form->lbPred[0]->x(), 54); // 4c starts further left
    }

    void clickOutsideClosesTheListAndLeavesTheGap() {
        auto* form = static_cast<TwndVyber*>(player->start("3c", 1));
        QTest::mousePress(form->edSlovo[0], Qt::LeftButton);
        QVERIFY(form->moznosti->isVisible());
        QCOMPARE(form->moznosti->width(), form->edSlovo[0]->width());
        QCOMPARE(form->moznosti->y(), form->edSlovo[0]->y() + form->edSlovo[0]->height());
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(300, 460));
        QVERIFY(!form->moznosti->isVisible());
        QCOMPARE(form->edSlovo[0]->text(), QString());
    }

    void tableInTheMiddleOfAPageChangesNothing() {
        TabList << "[1]"
                << "Eva|10|0|1";
        auto* form = static_cast<TwndVyber*>(player->start("1a", 1));
        choose(form, 1, form->row(1).correct);
        QTest::mouseClick(form->tableButton, Qt::LeftButton);
        TwndTab* table = GamePlayer::visibleTable();
        QVERIFY(table);
        QCOMPARE(table->cell(0, 1)->text(), QString("Eva"));
        QVERIFY(!TabList.contains("[1]")); // out while the window is open
        QTest::mouseClick(table->backButton, Qt::LeftButton);
        QTRY_VERIFY(!GamePlayer::visibleTable());
        QVERIFY(TabList.contains("[1]"));
        QCOMPARE(form->edSlovo[0]->text(), form->row(1).correct);
        QCOMPARE(RightCount + WrongCount, 0);
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
    MainSequence* program = nullptr;
};

VZ_GUI_TEST_MAIN(TestPlayVyber)
#include "test_play_vyber.moc"
