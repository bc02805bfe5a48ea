#pragma once

#include <QString>

namespace vz {

// Receives every error that escapes an event handler.
class TExceptionHandler {
public:
    // An error whose message contains "Cannot open file" shows the
    // installation message and ends the program in an orderly way (the normal
    // shutdown follows, tab.dat is saved). Every other error is dropped.
    void AppException(const QString& message);

    bool terminationRequested() const { return terminating; }

private:
    bool terminating = false;
};

} // namespace vz
