#include "single_instance.h"

#include <QDir>
#include <unistd.h>

namespace vz::platform {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock(std::make_unique<QLockFile>(lockPath)) {
    lock->setStaleLockTime(0);
    first = lock->tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    // One lock per user, like a named mutex of the user's session.
    return QDir::temp().filePath(QStringLiteral("Vevider Zuduzad-%1.lock").arg(getuid()));
}

} // namespace vz::platform
