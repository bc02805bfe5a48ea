#pragma once

#include "clock_rules.h"

#include <QPointF>

class QPainter;

namespace vz::clock {

// The clock of the clock drill, for any painter: the screen draws it over
// the face in its background, the worksheets draw it on paper with a dial of
// their own. Sizes are in the units of a face kSide wide, centred on the
// painter's origin; the caller scales the painter to the size it needs.
inline constexpr double kSide = 80;
inline constexpr double kMinuteHand = 26;
inline constexpr double kHourHand = 16;

// The end of a hand `length` long pointing `degrees` clockwise from 12,
// relative to the centre, y growing downwards.
QPointF handEnd(double degrees, double length);

// The two hands and the pin over them.
void paintHands(QPainter& painter, const hod::HandAngles& angles);

// The dial of a printed clock: the ring, a mark for every minute and the
// hours 1 ... 12 (drawn as outlines, so that they are no text of the page).
void paintDial(QPainter& painter);

} // namespace vz::clock
