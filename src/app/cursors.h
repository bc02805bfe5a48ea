#pragma once

#include <QCursor>

namespace vz {

// The program's numbered cursors: 1 arrow, 2 hand (clickable now), 3 help.
enum CursorNumber { kArrowCursor = 1, kHandCursor = 2, kHelpCursor = 3 };

// Loads cur/hand.cur, cur/arrow.cur and cur/help.cur from ResourceDir; a
// missing or unreadable file falls back to the stock cursor of that kind.
void LoadCursors();

QCursor programCursor(int number);

} // namespace vz
