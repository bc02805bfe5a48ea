#include "display.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <memory>

namespace vz::platform {

int wholeScaleFactor(QSize screen, QSize stage) {
    if (stage.isEmpty())
        return 0;
    return qMin(screen.width() / stage.width(), screen.height() / stage.height());
}

int probeStageScale(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return 1; // the user chose a factor; leave it alone
    int factor = 1;
    {
        auto probe = std::make_unique<QGuiApplication>(argc, argv);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QSize pixels = screen->size() * screen->devicePixelRatio();
            factor = qMax(1, wholeScaleFactor(pixels));
        }
    }
    return factor;
}

bool WindowDisplaySwitcher::apply() {
    if (!window)
        return false;
    QScreen* screen = window->screen();
    if (!screen || wholeScaleFactor(screen->size()) < 1)
        return false;
    // Without a window manager the full-screen request alone is not honoured.
    window->setGeometry(screen->geometry());
    window->showFullScreen();
    return true;
}

void WindowDisplaySwitcher::restore() {
    if (window && window->isFullScreen())
        window->showNormal();
}

} // namespace vz::platform
