#pragma once

#include <QSize>

class QScreen;

namespace vz::platform {

inline constexpr QSize kStageSize(640, 480);

// The largest factor, fractions included, at which the stage fits a screen
// of the given size; 0 when either is empty.
qreal stageScaleFactor(QSize screen, QSize stage = kStageSize);

// Scales every window so the stage fills the given screen as far as it fits:
// the program keeps working in stage units while Qt draws them at the
// screen's own pixels. Call before the first window exists. A factor the
// user set in QT_SCALE_FACTOR is left alone, and so is a screen that cannot
// hold the stage. Returns the device pixel ratio windows on it are drawn at.
qreal fitStageToScreen(QScreen* screen);

} // namespace vz::platform
