// A pupil who clicks, drags and types anywhere: every game started from the
// menu gets a seeded stream of random clicks, double clicks, drags, key
// presses and presses of the form's own buttons. Nothing may crash or hang,
// and afterwards the best-results tables and the results log still read and
// hold every result recorded before.
//
// VZ_SOAK_EVENTS sets the events per game (a few hundred here; bench/soak.sh
// runs ten thousand), VZ_SOAK_SEED the first seed, VZ_SOAK_PAUSE_EVERY how
// many events come on average before a pause long enough for the slides.

#include "app/globals.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "exercise/exercise_form.h"
#include "screens/game_catalogue.h"
#include "screens/select_form.h"
#include "store/data_files.h"
#include "store/results.h"
#include "store/results_csv.h"
#include "store/text_lines.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <atomic>
#include <cstdio>
#include <thread>

using namespace vz;
using namespace vz::test;

namespace {

int envNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

const QString kEarlier = QStringLiteral("Skoršia Ľubica");

// Every game already has a result in its table and in the log.
void withEarlierResults(TempInstall& install) {
    RunningProgram::withGameContent(install);
    QStringList tab;
    QStringList log;
    for (const GameInfo& game : GameCatalogue()) {
        tab << QStringLiteral("[%1]").arg(game.number) << kEarlier + QStringLiteral("|10|0|1");
        log << logRecord(kEarlier, game.number, 10, 0, 1,
                         QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    }
    install.writeScrambled(QStringLiteral("tab.dat"), tab);
    appendToLog(install.dataDir() + QStringLiteral("/Vysledky.dat"), log);
}

// Aborts the run with the last event when one event takes longer than a
// minute: a hang is a failure, not a test that never ends.
class Watchdog {
public:
    Watchdog()
        : thread([this] {
              while (!done) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  if (!done && clock.load() + 60'000 < now()) {
                      std::fprintf(stderr, "soak: no progress for a minute after %s\n",
                                   last.load());
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        done = true;
        thread.join();
    }
    void tick(const char* what) {
        last = what;
        clock = now();
    }

private:
    static qint64 now() { return QDateTime::currentMSecsSinceEpoch(); }
    std::atomic<bool> done{false};
    std::atomic<qint64> clock{now()};
    std::atomic<const char*> last{"the start"};
    std::thread thread;
};

// The events of one pupil, drawn from a seeded generator.
class RandomPupil {
public:
    RandomPupil(QWidget* stage, quint32 seed) : stage(stage), random(seed) {}

    const char* act() {
        const int kind = random.bounded(100);
        const QPoint at = point();
        if (kind < 40)
            return click(at), "a click";
        if (kind < 50)
            return doubleClick(at), "a double click";
        if (kind < 65)
            return drag(at, point()), "a drag";
        if (kind < 85)
            return key(), "a key";
        return formButton(), "a button of the form";
    }

    // Lets the slides, pauses and timers of the forms run after one event in
    // `pauseEvery`; in between, events come faster than any of them ends.
    void settle(int pauseEvery) { QTest::qWait(random.bounded(pauseEvery) ? 0 : 120); }

private:
    QPoint point() { return {random.bounded(640), random.bounded(480)}; }

    std::pair<QWidget*, QPoint> under(QPoint at) const {
        QWidget* target = stage->childAt(at);
        if (!target)
            target = stage;
        return {target, target->mapFrom(stage, at)};
    }

    void click(QPoint at) {
        const auto [target, local] = under(at);
        QTest::mouseClick(target, random.bounded(8) ? Qt::LeftButton : Qt::RightButton, {}, local);
    }

    void doubleClick(QPoint at) {
        click(at);
        const auto [target, local] = under(at);
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(local),
                          target->mapToGlobal(QPointF(local)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &twice);
        const auto [after, afterLocal] = under(at);
        QTest::mouseRelease(after, Qt::LeftButton, {}, afterLocal);
    }

    // Press, moves to whatever holds the mouse (or lies under it), release.
    void drag(QPoint from, QPoint to) {
        const auto [source, local] = under(from);
        QTest::mousePress(source, Qt::LeftButton, {}, local);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = from + (to - from) * step / 4;
            QWidget* holder = QWidget::mouseGrabber();
            const auto [target, targetAt] = under(at);
            QWidget* receiver = holder ? holder : target;
            QTest::mouseMove(receiver, receiver->mapFrom(stage, at));
        }
        QWidget* holder = QWidget::mouseGrabber();
        const auto [target, targetAt] = under(to);
        QWidget* receiver = holder ? holder : target;
        QTest::mouseRelease(receiver, Qt::LeftButton, {}, receiver->mapFrom(stage, to));
    }

    void key() {
        static const QString letters = QStringLiteral("aenrstäöüßžAZ1 .,?");
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus ? focus : stage;
        switch (random.bounded(6)) {
        case 0:
            QTest::keyClick(target, Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(target, Qt::Key_Backspace);
            break;
        case 2:
            QTest::keyClick(target, random.bounded(2) ? Qt::Key_Tab : Qt::Key_Escape);
            break;
        default:
            GamePlayer::typeText(target, QString(letters[random.bounded(letters.size())]));
        }
    }

    void formButton() {
        TExerciseForm* form = GamePlayer::visibleExercise();
        if (!form)
            return click(point());
        QWidget* buttons[] = {form->checkButton, form->newButton, form->Pokr, form->tableButton,
                              form->backButton};
        QWidget* button = buttons[random.bounded(5)];
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
    }

    QWidget* stage;
    QRandomGenerator random;
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Drags on the offscreen platform warn once for every grab.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (!text.contains(QLatin1String("grabbing the mouse")))
                std::fprintf(stderr, "%d: %s\n", int(type), qPrintable(text));
        });
    }

    void randomPupilInEveryGame_data() {
        QTest::addColumn<QString>("code");
        for (const GameInfo& game : GameCatalogue())
            QTest::newRow(qPrintable(game.code())) << game.code();
    }

    void randomPupilInEveryGame() {
        QFETCH(QString, code);
        const int events = envNumber("VZ_SOAK_EVENTS", 250);
        const int pauseEvery = std::max(1, envNumber("VZ_SOAK_PAUSE_EVERY", 10));
        const quint32 seed =
            envNumber("VZ_SOAK_SEED", 1) + findGame(code.at(0).digitValue(), code.at(1))->number;
        auto running = std::make_unique<RunningProgram>(withEarlierResults);
        running->fakes.boxes->answerYes = false; // the exit question is answered "no"
        const QByteArray logBefore = QFile(running->install.dataDir() + "/Vysledky.dat").exists()
                                         ? readAll(running->install.dataDir() + "/Vysledky.dat")
                                         : QByteArray();
        GamePlayer player(running->program.get(), {});
        QVERIFY(player.start(code, 1, QStringLiteral("Soak")));
        QWidget* stage = running->program->select()->parentWidget();
        RandomPupil pupil(stage, seed);
        Watchdog watchdog;
        for (int i = 0; i < events; ++i) {
            watchdog.tick(pupil.act());
            pupil.settle(pauseEvery);
        }
        running->program->shutdown();
        const QString dataDir = running->install.dataDir();

        // The tables: read without damage, the earlier result of every game kept.
        const TabFile tab = loadTabFile(dataDir + "/tab.dat");
        QVERIFY(!tab.damaged);
        QStringList tabLines = tab.lines;
        for (const GameInfo& game : GameCatalogue()) {
            ResultsTable table(tabLines, game.number);
            table.LoadTable();
            bool kept = false;
            for (int k = 0; k < kTableRows; ++k)
                kept |= table.row(k).name == kEarlier && table.row(k).right == 10;
            QVERIFY2(kept, qPrintable(game.code()));
        }
        // The log: the earlier records untouched, every record whole.
        const QByteArray log = readAll(dataDir + "/Vysledky.dat");
        QVERIFY(log.startsWith(logBefore));
        const LogReading reading = readResultsLog(log);
        QVERIFY(reading.problems.isEmpty());
        QVERIFY(reading.entries.size() >= GameCatalogue().size());
        std::printf("soak %s: %d events, %d games finished\n", qPrintable(code), events,
                    int(reading.entries.size() - GameCatalogue().size()));
        running.reset();
    }

private:
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
