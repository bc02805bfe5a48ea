#pragma once

#include <QString>
#include <QtGlobal>

namespace vz {

// Waits ms milliseconds while the windows go on answering: clicks, paints and
// timers are handled in the meantime, so a handler may run in the middle of
// another handler's animation. Sleeps between events; 0 returns at once.
void WaitTicks(quint32 ms);

// Plays a wave file in the background; a missing file plays nothing and says nothing.
void PlayWave(const QString& path);

} // namespace vz
