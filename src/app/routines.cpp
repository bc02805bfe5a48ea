#include "routines.h"

#include "../platform/sound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace vz {

void WaitTicks(quint32 ms) {
    if (ms == 0 || QCoreApplication::closingDown())
        return;
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(ms), &loop, &QEventLoop::quit);
    loop.exec();
}

void PlayWave(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    platform::soundOutput().play(path);
}

} // namespace vz
