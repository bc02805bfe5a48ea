#pragma once

#include "../platform/display.h"

#include <QString>

namespace vz {

inline const QString kDisplaySwitchWarning = QStringLiteral(
    "Grafická karta neumožňuje okamžité prepnutie rozlíšenia monitora.\r\nBude zachované aktuálne rozlíšenie.");

// Takes the screen while the program is the active application and gives it
// back whenever the program is left or ends.
class TScrResChanger {
public:
    explicit TScrResChanger(platform::DisplaySwitcher& display) : display(display) {}

    bool WarnOnFailure = false;

    // The warning appears at most once: only when the first call fails.
    void ApplyMode();
    void RestoreMode();

private:
    platform::DisplaySwitcher& display;
};

} // namespace vz
