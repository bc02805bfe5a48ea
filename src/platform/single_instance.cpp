#include "single_instance.h"

#include <QDir>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vz::platform {

SingleInstance::SingleInstance(const QString& lockPath) {
    // An advisory lock on an open file: taken in microseconds, and it cannot
    // go stale, as the system releases it with the process.
    descriptor =
        ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    first = descriptor < 0 || ::flock(descriptor, LOCK_EX | LOCK_NB) == 0;
}

SingleInstance::~SingleInstance() {
    if (descriptor >= 0)
        ::close(descriptor);
}

QString SingleInstance::defaultLockPath() {
    // One lock per user, like a named mutex of the user's session.
    return QDir::temp().filePath(QStringLiteral("Vevider Zuduzad-%1.lock").arg(getuid()));
}

} // namespace vz::platform
