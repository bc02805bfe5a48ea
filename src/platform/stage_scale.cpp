#include "stage_scale.h"

#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

namespace vz::platform {
namespace {

qreal globalFactorSet = 1; // Qt keeps the global factor but does not tell it

} // namespace

qreal stageScaleFactor(QSize screen, QSize stage) {
    if (stage.isEmpty() || screen.isEmpty())
        return 0;
    return qMin(qreal(screen.width()) / stage.width(), qreal(screen.height()) / stage.height());
}

qreal fitStageToScreen(QScreen* screen) {
    if (!screen || !screen->handle())
        return 1;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return screen->devicePixelRatio(); // the user's choice
    // The screen's real pixels: X11 reports them as they are, Wayland in
    // its own units times the desktop's scale.
    const QPlatformScreen* platform = screen->handle();
    const QSize pixels =
        (QSizeF(platform->geometry().size()) * platform->devicePixelRatio()).toSize();
    const qreal wanted = stageScaleFactor(pixels);
    if (wanted < 1)
        return screen->devicePixelRatio();
    // What the platform scales by itself (a desktop set to 200 %) stays part
    // of the whole; Qt's global factor makes up the rest, and it is the one
    // factor that may still change once the application exists.
    const qreal platformPart = screen->devicePixelRatio() / globalFactorSet;
    globalFactorSet = wanted / platformPart;
    QHighDpiScaling::setGlobalFactor(globalFactorSet);
    return screen->devicePixelRatio();
}

} // namespace vz::platform
