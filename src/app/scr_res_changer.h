#pragma once

#include "../platform/display.h"

#include <QString>

namespace vz {

inline const QString kDisplaySwitchWarning =
    QStringLiteral("Grafická karta neumožňuje okamžité prepnutie rozlíšenia monitora.\r\nBude "
                   "zachované aktuálne rozlíšenie.");

// Takes the screen while the program is the active application and gives it
// back whenever the program is left or ends.
class TScrResChanger {
public:
    explicit TScrResChanger(platform::DisplaySwitcher& display) : display(display) {}

    bool WarnOnFailure = false;
    // Off while another program (the printing library) has the screen:
    // activation changes then leave the display alone.
    bool Attached = true;

    // The warning appears at most once: only when the first call fails.
    void ApplyMode();
    void RestoreMode();

private:
    platform::DisplaySwitcher& display;
};

// The switcher of the running program; null before start-up and after shutdown.
inline TScrResChanger* ScrResChanger = nullptr;

} // namespace vz
