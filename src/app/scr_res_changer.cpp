#include "scr_res_changer.h"

#include "message_boxes.h"

namespace vz {

void TScrResChanger::ApplyMode() {
    const bool warn = WarnOnFailure;
    WarnOnFailure = false;
    if (!display.apply() && warn)
        messageBoxes().information(kDisplaySwitchWarning);
}

void TScrResChanger::RestoreMode() {
    display.restore();
}

} // namespace vz
