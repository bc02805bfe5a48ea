// The yardstick for the start-up benchmark: a QApplication and one 640x480
// window, timed the same way as the program's start-up (see
// src/app/startup_timing.h): "first-window-ms" from the start of main to the
// first paint of the window, and "launch-to-main-ms" when VEVIDER_TIMING_T0
// holds the launch time. Ends itself once the window has been painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

QElapsedTimer sinceMain;

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow()) {
            std::fprintf(stderr, "first-window-ms %.1f\n", sinceMain.nsecsElapsed() / 1e6);
            QTimer::singleShot(0, [] {
                std::fflush(stderr);
                std::_Exit(0);
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    sinceMain.start();
    const qint64 launch = qEnvironmentVariable("VEVIDER_TIMING_T0").toLongLong();
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    QApplication app(argc, argv);
    if (launch > 0)
        std::fprintf(stderr, "launch-to-main-ms %.1f\n", (now - launch) / 1e6);
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
