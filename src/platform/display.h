#pragma once

#include "stage_scale.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

namespace vz::platform {

// Puts the program's window into full screen and takes it out again.
class DisplaySwitcher {
public:
    virtual ~DisplaySwitcher() = default;
    // Switches to full screen; false when the screen cannot hold the stage.
    virtual bool apply() = 0;
    // Gives the screen back (leaves full screen); harmless when not applied.
    virtual void restore() = 0;
};

// Switches the given top-level window; the window is not owned.
class WindowDisplaySwitcher : public DisplaySwitcher {
public:
    explicit WindowDisplaySwitcher(QWidget* window) : window(window) {}
    bool apply() override;
    void restore() override;

private:
    QPointer<QWidget> window; // the window may be gone before the screen is given back
};

} // namespace vz::platform
