#pragma once

#include <QString>

namespace vz::platform {

// Keeps a second copy of the program from running. The lock lives as long as
// this object; the system drops it when a copy ends in any way, so a crashed
// copy leaves nothing that blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool isFirst() const { return first; }

    static QString defaultLockPath();

private:
    int descriptor = -1;
    bool first = false;
};

} // namespace vz::platform
