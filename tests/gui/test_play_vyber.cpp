// Plays the choose-the-form drill for real: from the main menu through the
// set-up page and every page of the game to the best-results table.

#include "app/application.h"
#include "app/globals.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/verbs/vyber_form.h"
#include "screens/backdrop.h"
#include "screens/help_window.h"
#include "screens/hint_windows.h"
#include "screens/option_popups.h"
#include "screens/select_form.h"
#include "screens/setup_form.h"
#include "screens/table_window.h"
#include "store/cp1250.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>
#include <QTimer>

using namespace vz;
using namespace vz::test;

namespace {

TwndVyber* runningVyber() {
    for (auto* form : Stage()->findChildren<TwndVyber*>()) {
        if (form->isVisible())
            return form;
    }
    return nullptr;
}

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

// Types text as key presses, umlauts and Slovak letters included.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QString wrongForm(const VyberRow& row) {
    for (const QString& form : row.offered) {
        if (form != row.correct)
            return form;
    }
    return {};
}

} // namespace

class TestPlayVyber : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        program = running->program.get();
        install = &running->install;
    }
    void cleanup() { running.reset(); }

    void playFifteenExamplesFromTheMenuToTheTable() {
        TwndSelect* menu = program->select();
        QTest::mouseClick(menu->GroupButtons[0], Qt::LeftButton);
        QTest::mouseClick(menu->GameButtons[0], Qt::LeftButton);
        TwndSetup* setup = program->setup();
        QVERIFY(setup->isVisible());
        QVERIFY(!menu->isVisible());
        QCOMPARE(GameNumber, quint8(1));

        type(setup->edJmeno, QStringLiteral("Ľubica"));
        QTest::mouseClick(setup->img[1], Qt::LeftButton); // 15 examples
        QVERIFY(setup->ContinueShown);
        QTest::mouseClick(setup->Pokr, Qt::LeftButton);
        TwndVyber* form = runningVyber();
        QVERIFY(form);
        QCOMPARE(form->Caption, QStringLiteral("Vevider Zuduzad: Pomocné slovesá"));
        QCOMPARE(Podklad()->windowTitle(), form->Caption);

        // Page 1: ten rows, rows 2 and 7 answered wrongly.
        QCOMPARE(form->PageSize, 10);
        QVERIFY(!form->zakryti->isVisible());
        for (int r = 1; r <= 10; ++r)
            choose(form, r, r == 2 || r == 7 ? wrongForm(form->row(r)) : form->row(r).correct);
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QVERIFY(form->PageChecked);
        QCOMPARE(RightCount, quint8(8));
        QCOMPARE(WrongCount, quint8(2));
        QVERIFY(form->Pokr->isEnabled());

        // A wrong mark shows the correct answer while it is pressed; a right one shows nothing.
        QTest::mousePress(form->Vyhodn[1], Qt::LeftButton);
        QVERIFY(program->hint()->isVisible());
        QCOMPARE(program->hint()->Text->text(), form->row(2).correct);
        QCOMPARE(program->hint()->x() + program->hint()->width(), form->Vyhodn[1]->x() + 7);
        QTest::mouseRelease(form->Vyhodn[1], Qt::LeftButton);
        QVERIFY(!program->hint()->isVisible());
        QCOMPARE(form->Vyhodn[1]->toolTip(), QString());
        QTest::mousePress(form->Vyhodn[0], Qt::LeftButton);
        QVERIFY(!program->hint()->isVisible());
        QTest::mouseRelease(form->Vyhodn[0], Qt::LeftButton);

        // Gaps no longer open after the check.
        QTest::mousePress(form->edSlovo[0], Qt::LeftButton);
        QVERIFY(!form->moznosti->isVisible());

        // Page 2: five rows, the lower half covered.
        QTest::mouseClick(form->Pokr, Qt::LeftButton);
        QCOMPARE(form->PageSize, 5);
        QVERIFY(form->zakryti->isVisible());
        QVERIFY(!form->edSlovo[5]->isVisible());
        QVERIFY(!form->Pokr->isEnabled());
        for (int r = 1; r <= 5; ++r)
            choose(form, r, form->row(r).correct);
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(RightCount, quint8(13));
        QCOMPARE(WrongCount, quint8(2));

        // The end: the table with the result; the exercise goes away.
        QTest::mouseClick(form->Pokr, Qt::LeftButton);
        QTRY_VERIFY(!runningVyber());
        auto* table = Stage()->findChild<TwndTab*>();
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->cell(0, 0)->text(), QString("1."));
        QCOMPARE(table->cell(0, 1)->text(), QStringLiteral("Ľubica"));
        QCOMPARE(table->cell(0, 2)->text(), QString("13"));
        QCOMPARE(table->cell(0, 3)->text(), QString("2"));
        QCOMPARE(table->cell(0, 4)->text(), QString("2")); // 87 %
        QCOMPARE(table->cell(1, 1)->text(), QString());

        QTest::mouseClick(table->backButton, Qt::LeftButton);
        QTRY_VERIFY(!Stage()->findChild<TwndTab*>());
        QVERIFY(setup->isVisible());
        QCOMPARE(setup->edJmeno->text(), QStringLiteral("Ľubica")); // the page kept its state

        // Leave through the menu; tab.dat holds the table, the log the record.
        QTest::mouseClick(setup->backButton, Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        QTimer::singleShot(0, [menu] { QTest::mouseClick(menu->exitButton, Qt::LeftButton); });
        QCOMPARE(program->run(), 0);
        const QStringList tab = install->readScrambled("tab.dat");
        const qsizetype at = tab.indexOf("[1]");
        QVERIFY(at >= 0);
        QCOMPARE(tab[at + 1], QStringLiteral("Ľubica|13|2|2"));
        QCOMPARE(tab[at + 2], QString(" |0|0|0"));
        QFile log(install->dataDir() + "/Vysledky.dat");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList record = cp1250::decode(log.readAll()).split("\r\n");
        QVERIFY(record[0].startsWith(QStringLiteral("Jméno: Ľubica")));
        QCOMPARE(record[1], QStringLiteral("Hra: Pomocné slovesá"));
        QVERIFY(record[2].startsWith(QStringLiteral("Počet příkladů:  15    ")));
        QCOMPARE(record[3], QString(75, '='));
    }

    void uncheckedGapsAreWrongAndChoosingAgainReplaces() {
        startGame(10);
        TwndVyber* form = runningVyber();
        choose(form, 3, wrongForm(form->row(3)));
        choose(form, 3, form->row(3).correct); // only the last choice counts
        QCOMPARE(form->edSlovo[2]->text(), form->row(3).correct);
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(RightCount, quint8(1));
        QCOMPARE(WrongCount, quint8(9));
        QCOMPARE(UsedExamples->Members().size(), 10);
        QCOMPARE(form->Vyhodn[2]->toolTip(), QString()); // right marks carry no hint
        QCOMPARE(form->Vyhodn[0]->toolTip(), TExerciseForm::markHint());
        QTest::mouseClick(form->checkButton, Qt::LeftButton); // ignored after the check
        QCOMPARE(WrongCount, quint8(9));
    }

    void clickOutsideClosesTheListAndLeavesTheGap() {
        startGame(10);
        TwndVyber* form = runningVyber();
        QTest::mousePress(form->edSlovo[0], Qt::LeftButton);
        QVERIFY(form->moznosti->isVisible());
        QCOMPARE(form->moznosti->width(), form->edSlovo[0]->width());
        QCOMPARE(form->moznosti->y(), form->edSlovo[0]->y() + form->edSlovo[0]->height());
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(300, 460));
        QVERIFY(!form->moznosti->isVisible());
        QCOMPARE(form->edSlovo[0]->text(), QString());
    }

    void itemsInvertWhileTheMouseIsOverThem() {
        startGame(10);
        TwndVyber* form = runningVyber();
        QTest::mousePress(form->edSlovo[0], Qt::LeftButton);
        TExtLabel* item = form->moznosti->items[1];
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(item, &enter);
        QCOMPARE(item->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(item->palette().color(QPalette::WindowText), QColor(255, 236, 182));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(item, &leave);
        QCOMPARE(item->palette().color(QPalette::Window), QColor(255, 236, 182));
    }

    void tableInTheMiddleOfAPageChangesNothing() {
        TabList << "[1]"
                << "Eva|10|0|1";
        startGame(10);
        TwndVyber* form = runningVyber();
        choose(form, 1, form->row(1).correct);
        QTest::mouseClick(form->tableButton, Qt::LeftButton);
        auto* table = Stage()->findChild<TwndTab*>();
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->cell(0, 1)->text(), QString("Eva"));
        QVERIFY(!TabList.contains("[1]")); // out while the window is open
        QTest::mouseClick(table->backButton, Qt::LeftButton);
        QTRY_VERIFY(!Stage()->findChild<TwndTab*>());
        QVERIFY(TabList.contains("[1]"));
        QCOMPARE(form->edSlovo[0]->text(), form->row(1).correct);
        QVERIFY(form->isVisible());
        QCOMPARE(RightCount + WrongCount, 0);
    }

    void backLeavesTheGameAndRecordsNothing() {
        startGame(10);
        TwndVyber* form = runningVyber();
        QTest::mouseClick(form->backButton, Qt::LeftButton);
        QTRY_VERIFY(!runningVyber());
        QVERIFY(program->setup()->isVisible());
        QCOMPARE(Podklad()->windowTitle(), QStringLiteral("Vevider Zuduzad - Nastavenie hry"));
        QVERIFY(!TabList.contains("[1]"));
        QFile log(install->dataDir() + "/Vysledky.dat");
        QCOMPARE(log.size(), 0);
    }

private:
    void startGame(int examples) {
        QTest::mouseClick(program->select()->GroupButtons[0], Qt::LeftButton);
        QTest::mouseClick(program->select()->GameButtons[0], Qt::LeftButton);
        TwndSetup* setup = program->setup();
        QTest::keyClicks(setup->edJmeno, "Test");
        QTest::mouseClick(setup->img[examples == 10 ? 0 : 1], Qt::LeftButton);
        QTest::mouseClick(setup->Pokr, Qt::LeftButton);
        QVERIFY(runningVyber());
    }

    static TPodklad* Podklad() { return static_cast<TPodklad*>(Stage()->parentWidget()); }

    std::unique_ptr<RunningProgram> running;
    MainSequence* program = nullptr;
    TempInstall* install = nullptr;
};

VZ_GUI_TEST_MAIN(TestPlayVyber)
#include "test_play_vyber.moc"
