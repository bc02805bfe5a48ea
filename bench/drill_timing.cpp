// Times two things of the running program, started offscreen from a
// temporary installation with the built German content:
//   deal <code> <deals> <mean µs per deal> <mean µs per deal and full repaint>
//     each game's exercise form is started from the menu, then its new-page
//     button deals the page again and again;
//   drag <code> <moves> <mean ms> <worst ms> <paints per move>
//     a drag token is pressed and moved step by step; each move is followed
//     by the repaint it asked for, done at once (the posted update request).
// Usage: bench_drill_timing [deals per game] [moves per drag] [codes, e.g. 2a,5a]
#include "app/application.h"
#include "controls/drag_token.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/numbers/cisl_form.h"
#include "drills/verbs/predp_form.h"
#include "drills/words/slovicka_topics_form.h"
#include "exercise/exercise_form.h"
#include "screens/game_catalogue.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <cstdio>

using namespace vz;
using namespace vz::test;

namespace {

void quietGrabWarning() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (previous &&
                text != QLatin1String("This plugin does not support grabbing the mouse"))
                previous(type, context, text);
        });
}

// Starts the game from the menu; the vocabulary game goes over its topic
// page with every topic chosen. The window is exposed, so repaints paint.
TExerciseForm* startGame(GamePlayer& player, const QString& code) {
    TExerciseForm* form = player.start(code, 1);
    if (auto* topics = qobject_cast<TwndSlovickaObl*>(form)) {
        QTest::mouseClick(topics->lbAll, Qt::LeftButton);
        QTest::mouseClick(topics->Pokr, Qt::LeftButton);
        form = GamePlayer::visibleExercise();
    }
    if (form && !QTest::qWaitForWindowExposed(form->window()))
        return nullptr;
    return form;
}

void flushRepaint(QWidget* form) {
    QCoreApplication::sendPostedEvents(form->window(), QEvent::UpdateRequest);
}

void timeDeals(const GameInfo& game, int deals) {
    RunningProgram running(RunningProgram::withGameContent);
    GamePlayer player(running.program.get(), {});
    TExerciseForm* form = startGame(player, game.code());
    if (!form || !form->newButton->isEnabled()) {
        std::printf("deal %s 0 - -\n", qPrintable(game.code()));
        return;
    }
    for (int i = 0; i < 5; ++i) // warm up
        emit form->newButton->clicked();
    flushRepaint(form);

    // Each deal is timed alone, with what it posted handled before the next
    // one, as between two clicks of a pupil: a pile of posted events would
    // make every widget's removal scan it.
    QElapsedTimer clock;
    qint64 dealNs = 0;
    for (int i = 0; i < deals; ++i) {
        clock.start();
        emit form->newButton->clicked();
        dealNs += clock.nsecsElapsed();
        QCoreApplication::processEvents();
    }
    const double dealUs = dealNs / 1e3 / deals;

    const int painted = std::max(1, deals / 4);
    clock.restart();
    for (int i = 0; i < painted; ++i) {
        emit form->newButton->clicked();
        form->window()->repaint();
    }
    const double paintUs = clock.nsecsElapsed() / 1e3 / painted;
    std::printf("deal %s %d %.1f %.1f\n", qPrintable(game.code()), deals, dealUs, paintUs);
    std::fflush(stdout);
}

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void send(QWidget* to, QEvent::Type type, QPoint formPoint, QWidget* form, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    const QPoint local = to->mapFrom(form, formPoint);
    QMouseEvent event(type, QPointF(local), QPointF(to->mapToGlobal(local)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

void timeDrag(const QString& code, int moves) {
    RunningProgram running(RunningProgram::withGameContent);
    GamePlayer player(running.program.get(), {});
    TExerciseForm* form = startGame(player, code);
    QWidget* source = nullptr;
    QPoint grip;
    QPoint target;
    if (auto* p = qobject_cast<TwndPredp*>(form)) {
        source = p->lbVzor[0][TwndPredp::Red];
        grip = source->rect().center();
        target = p->Terc[0][0]->geometry().center();
    } else if (auto* c = qobject_cast<TwndCisl*>(form)) {
        source = c->tiles[0];
        grip = QPoint(30, 10);
        target = c->tiles[c->PageSize - 1]->geometry().center();
    }
    if (!source) {
        std::printf("drag %s 0 - - -\n", qPrintable(code));
        return;
    }
    quietGrabWarning();
    flushRepaint(form);
    const QPoint start = form->mapFromGlobal(source->mapToGlobal(grip));
    QTest::mousePress(source, Qt::LeftButton, {}, grip);
    auto* token = qobject_cast<TDragToken*>(QWidget::mouseGrabber());
    if (!token || !token->isDragging()) {
        std::printf("drag %s 0 - - -\n", qPrintable(code));
        return;
    }
    PaintCounter counter;
    token->installEventFilter(&counter);

    // Back and forth between the start and the target, a few pixels a move.
    const int legSteps = std::max(10, (target - start).manhattanLength() / 3);
    const auto pointAt = [&](int move) {
        const int leg = move / legSteps;
        const int step = move % legSteps;
        const int along = leg % 2 == 0 ? step : legSteps - step;
        return start + (target - start) * along / legSteps;
    };
    for (int i = 1; i <= 10; ++i) { // warm up
        send(token, QEvent::MouseMove, pointAt(i), form, Qt::NoButton, Qt::LeftButton);
        flushRepaint(form);
    }
    counter.paints = 0;
    double total = 0;
    double worst = 0;
    QElapsedTimer clock;
    for (int i = 1; i <= moves; ++i) {
        clock.start();
        send(token, QEvent::MouseMove, pointAt(10 + i), form, Qt::NoButton, Qt::LeftButton);
        flushRepaint(form);
        const double ms = clock.nsecsElapsed() / 1e6;
        total += ms;
        worst = std::max(worst, ms);
    }
    token->removeEventFilter(&counter);
    send(token, QEvent::MouseButtonRelease, start, form, Qt::LeftButton, Qt::NoButton);
    std::printf("drag %s %d %.3f %.3f %.2f\n", qPrintable(code), moves, total / moves, worst,
                double(counter.paints) / moves);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const int deals = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int moves = argc > 2 ? std::max(1, atoi(argv[2])) : 300;
    const QStringList only = argc > 3 ? QString::fromLocal8Bit(argv[3]).split(',') : QStringList();
    for (const GameInfo& game : GameCatalogue()) {
        if (only.isEmpty() || only.contains(game.code()))
            timeDeals(game, deals);
    }
    if (!only.isEmpty())
        return 0;
    for (const QString& code : {QStringLiteral("1f"), QStringLiteral("6a")})
        timeDrag(code, moves);
    return 0;
}
