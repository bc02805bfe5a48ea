// What every drill inherits from the page framework, tried as a pupil
// would: clicks during slides and pauses, double clicks, keys typed in the
// middle of a game, a results log that cannot be written, and the way
// examples are used up over several pages.

#include "app/application.h"
#include "app/globals.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/verbs/vyber_form.h"
#include "screens/backdrop.h"
#include "screens/option_popups.h"
#include "screens/select_form.h"
#include "screens/setup_form.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QDir>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace vz;
using namespace vz::test;

namespace {

// Picks a form from row r's pop-up list: the right one or a wrong one.
void answerVyber(TExerciseForm* form, int r, bool right) {
    auto* vyber = static_cast<TwndVyber*>(form);
    const VyberRow& row = vyber->row(r);
    QTest::mousePress(vyber->edSlovo[r - 1], Qt::LeftButton);
    for (TExtLabel* item : vyber->moznosti->items) {
        if ((item->text() == row.correct) == right) {
            QTest::mouseClick(item, Qt::LeftButton);
            return;
        }
    }
}

QString sentence(TExerciseForm* form, int r) {
    const VyberRow& row = static_cast<TwndVyber*>(form)->row(r);
    return row.before + '|' + row.after;
}

// Where the buttons of an exercise form and a table window lie on the stage.
const QHash<QString, QPoint> kPlaces{
    {"back", {591, 42}},  {"table", {500, 42}},     {"new", {409, 42}},
    {"check", {318, 42}}, {"continue", {573, 468}}, {"mark", {585, 117}},
};

// A click (or double click) at a place of the stage, received by whatever
// lies there now, exactly as a real click would be.
void clickAt(const QString& place, bool twice) {
    const QPoint at = kPlaces.value(place);
    QWidget* target = Stage()->childAt(at);
    QVERIFY2(target, qPrintable(place));
    if (twice)
        GamePlayer::doubleClick(Stage(), at);
    else
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(Stage(), at));
}

} // namespace

class TestExerciseLifecycle : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        program = running->program.get();
        install = &running->install;
        player = std::make_unique<GamePlayer>(program, answerVyber);
    }
    void cleanup() {
        player.reset();
        running.reset();
    }

    // Each row: what happens before the clicks, then clicks with no event
    // handled between them (all inside one slide or pause).
    void clicksDuringSlidesAndPausesKeepTheProgramAndItsResults_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("recorded");
        const auto row = [](const char* name, QString before, QStringList clicks, bool recorded) {
            QTest::newRow(name) << before << clicks << recorded;
        };
        row("continue twice while it slides in", "check", {"continue", "continue"}, true);
        row("continue double-clicked", "check", {"continue+"}, true);
        row("back while continue slides in", "check", {"back", "continue"}, false);
        row("back double-clicked", "", {"back+"}, false);
        row("back, then check and new", "", {"back", "check", "new", "table"}, false);
        row("back after the check, then a mark", "check", {"back", "mark", "continue"}, false);
        row("table double-clicked", "", {"table+"}, false);
        row("table back double-clicked", "table", {"back+"}, false);
        row("table back, then table again", "table", {"back", "table", "back"}, false);
        row("the end's table back double-clicked", "end", {"back+", "back"}, true);
    }
    void clicksDuringSlidesAndPausesKeepTheProgramAndItsResults() {
        QFETCH(QString, before);
        QFETCH(QStringList, clicks);
        QFETCH(bool, recorded);
        QVERIFY(player->start("1a", 1));
        if (before == "check" || before == "end")
            player->answerPage({2});
        if (before == "end")
            player->pressContinue();
        if (before == "table")
            clickAt("table", false);
        for (const QString& click : clicks)
            clickAt(QString(click).remove('+'), click.endsWith('+'));
        QTest::qWait(700); // every slide and pause is over
        QTRY_VERIFY(program->setup()->isVisible());

        // Whatever is still open goes back, the program ends through the menu.
        while (TwndTab* table = GamePlayer::visibleTable()) {
            // A table may be hidden and deleted between two looks.
            const QPointer<TwndTab> open(table);
            QTest::mouseClick(table->backButton, Qt::LeftButton);
            QTRY_VERIFY(!open || !open->isVisible());
        }
        if (TExerciseForm* form = GamePlayer::visibleExercise()) {
            QTest::mouseClick(form->backButton, Qt::LeftButton);
            QTRY_VERIFY(!GamePlayer::visibleExercise());
        }
        QVERIFY(TabList.count("[1]") <= 1); // one table, however often it was opened
        QTimer::singleShot(0, [this] { program->select()->CloseQuery(); });
        QCOMPARE(program->run(), 0);
        const QStringList tab = install->readScrambled("tab.dat");
        QVERIFY(tab.count("[1]") <= 1);
        QCOMPARE(tab.contains("Test|9|1|1"), recorded);
        QCOMPARE(QFileInfo(install->dataDir() + "/Vysledky.dat").size() > 0, recorded);
    }

    // The set-up page lies under the game with the name field; keys typed in
    // the game or on the table must not reach it.
    void keysTypedInTheGameLeaveTheNameAlone() {
        QWidget* window = Stage()->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(player->start("1a", 1, "Eva"));
        const auto typeEverywhere = [this] {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY(!program->setup()->isAncestorOf(focus));
            QTest::keyClick(focus, Qt::Key_Backspace);
            QTest::keyClicks(focus, "x|");
            QTest::keyClick(focus, Qt::Key_Delete);
        };
        typeEverywhere();
        QCOMPARE(program->setup()->edJmeno->text(), QString("Eva"));
        TwndTab* table = player->playToTable();
        QVERIFY(table);
        typeEverywhere();
        QCOMPARE(table->cell(0, 1)->text(), QString("Eva"));
        QCOMPARE(PupilName, QString("Eva"));
        QVERIFY(running->fakes.boxes->stops.isEmpty()); // no "|" message either
        QTest::mouseClick(table->backButton, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), program->setup()->edJmeno);
    }

    void logThatCannotBeWrittenIsToldOnceAndTheTableKeepsTheResult() {
        const QString log = install->dataDir() + "/Vysledky.dat";
        QFile::remove(log);
        QVERIFY(QDir().mkdir(log)); // cannot be opened for writing, not even by root
        for (const QString& name : {"Eva", "Ján"}) {
            QVERIFY(player->start("1a", 1, name));
            TwndTab* table = player->playToTable();
            QVERIFY(table);
            QTest::mouseClick(table->backButton, Qt::LeftButton);
            QTRY_VERIFY(!GamePlayer::visibleTable());
            QTest::mouseClick(program->setup()->backButton, Qt::LeftButton);
            QTRY_VERIFY(program->select()->isVisible());
        }
        QCOMPARE(running->fakes.boxes->stops, QStringList{kLogNotWritten});
        QVERIFY(TabList.contains("Eva|10|0|1"));
        QVERIFY(TabList.contains(QStringLiteral("Ján|10|0|1")));
    }

    // Thirty examples: three pages, no checked example ever comes back, and
    // new deals really new rows.
    void threePagesNeverRepeatACheckedExample() {
        QVERIFY(player->start("1a", 5));
        QSet<QString> checked;
        for (int page = 1; page <= 3; ++page) {
            TExerciseForm* form = player->form();
            QStringList before;
            for (int r = 1; r <= form->PageSize; ++r)
                before << sentence(form, r);
            QTest::mouseClick(form->newButton, Qt::LeftButton);
            QStringList after;
            for (int r = 1; r <= form->PageSize; ++r) {
                after << sentence(form, r);
                QVERIFY2(!checked.contains(after.last()), qPrintable(after.last()));
                checked << after.last();
            }
            QVERIFY(before != after);
            player->answerPage();
            player->pressContinue();
        }
        QCOMPARE(checked.size(), 30);
        QTRY_VERIFY(GamePlayer::visibleTable());
        QCOMPARE(GamePlayer::visibleTable()->cell(0, 2)->text(), QString("30"));
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
    MainSequence* program = nullptr;
    TempInstall* install = nullptr;
};

VZ_GUI_TEST_MAIN(TestExerciseLifecycle)
#include "test_exercise_lifecycle.moc"
