#include "display.h"

#include <QScreen>
#include <QWidget>

namespace vz::platform {

bool WindowDisplaySwitcher::apply() {
    if (!window)
        return false;
    QScreen* screen = window->screen();
    if (!screen || stageScaleFactor(screen->size()) < 1)
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
