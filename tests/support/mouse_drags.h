#pragma once

#include <QMetaType>
#include <QPoint>

class QWidget;

namespace vz {
class TDragToken;
class TExerciseForm;
} // namespace vz

// Real mouse drags of the drag tokens: a press on the source, then the moves
// and the release sent to whatever holds the mouse, at form positions. The
// offscreen platform cannot grab the pointer; its warning about that is
// silenced, the widget grab works all the same.
namespace vz::test::drags {

// What happens while a token holds the mouse.
enum class Mishap {
    None,        // moved on to the target and released there
    DoubleClick, // a second press on the way, then the release on the target
    ButtonLost,  // a move comes with the button already up (released outside)
    Check,       // the check button clicked while the token is held
    New,         // the new page button clicked while the token is held
};

// Presses `source` at `at` (its own coordinates) and moves halfway to
// `target` (form coordinates). The token that took the mouse, or null
// unless a token took it and keeps the grabbed point under the pointer.
TDragToken* pressAndMove(QWidget* form, QWidget* source, QPoint at, QPoint target);

// A whole drag from `source` to `target`, with `mishap` on the way. A
// mishap that ends the drag early gets a late release, which must change
// nothing. True when a drag began and nothing holds the mouse afterwards.
bool drag(TExerciseForm* form, QWidget* source, QPoint at, QPoint target,
          Mishap mishap = Mishap::None);

} // namespace vz::test::drags

Q_DECLARE_METATYPE(vz::test::drags::Mishap)
