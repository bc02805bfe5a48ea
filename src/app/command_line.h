#pragma once

#include <QStringList>
#include <optional>

namespace vz {

// Answers the options that need no window (--version, --help). Returns the
// exit status when the program should end here, nothing when it should start.
// Runs before the application object exists, so it never opens a display.
std::optional<int> answerCommandLine(const QStringList& arguments);

} // namespace vz
