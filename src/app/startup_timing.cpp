#include "startup_timing.h"

#include "../platform/process_memory.h"
#include "../screens/help_window.h"
#include "../screens/select_form.h"
#include "../screens/windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace vz::startup_timing {
namespace {

QElapsedTimer sinceMain;
double launchToMainMs = -1;

double elapsedMs() {
    return sinceMain.nsecsElapsed() / 1e6;
}

void report(const char* what, double value) {
    std::fprintf(stderr, "%s %.1f\n", what, value);
}

[[noreturn]] void finish(int status) {
    std::fflush(stderr);
    std::_Exit(status); // no shutdown: nothing is saved and nothing is timed after this
}

class Watcher : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Paint || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (!windowPainted && widget->isWindow()) {
            windowPainted = true;
            report("first-window-ms", elapsedMs());
        } else if (widget == wndHelp && !titleClosed) {
            titleClosed = true; // as a pupil's click on the title would
            QTimer::singleShot(0, this, [] {
                if (wndHelp)
                    wndHelp->ClosePicture();
            });
        } else if (widget == wndSelect && !menuPainted) {
            menuPainted = true;
            // After this paint has ended and been flushed.
            QTimer::singleShot(0, this, &Watcher::menuReady);
        }
        return false;
    }

private:
    void menuReady() {
        report("menu-ready-ms", elapsedMs());
        for (int group = 1; group <= 7; ++group) {
            wndSelect->GroupClick(group);
            wndSelect->repaint();
        }
        std::fprintf(stderr, "rss-kb %ld\n", platform::residentKilobytes());
        finish(0);
    }

    bool windowPainted = false;
    bool titleClosed = false;
    bool menuPainted = false;
};

} // namespace

void markMainStart() {
    sinceMain.start();
    const qint64 launch = qEnvironmentVariable("VEVIDER_TIMING_T0").toLongLong();
    if (launch > 0) {
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
        launchToMainMs = (now - launch) / 1e6;
    }
}

void watch() {
    if (qEnvironmentVariableIsEmpty("VEVIDER_TIMING") || !QCoreApplication::instance())
        return;
    if (launchToMainMs >= 0)
        report("launch-to-main-ms", launchToMainMs);
    QCoreApplication::instance()->installEventFilter(new Watcher(QCoreApplication::instance()));
    QTimer::singleShot(30000, [] {
        std::fputs("timing: the main menu was not reached\n", stderr);
        finish(1);
    });
}

} // namespace vz::startup_timing
