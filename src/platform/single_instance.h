#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace vz::platform {

// Keeps a second copy of the program from running. The lock lives as long as
// this object; a lock left by a crashed copy is recognised as stale.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    bool isFirst() const { return first; }

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock;
    bool first = false;
};

} // namespace vz::platform
