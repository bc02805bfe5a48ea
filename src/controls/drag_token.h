#pragma once

#include <QLabel>
#include <QPolygon>

namespace vz {

// A word on a white rounded panel that the pupil drags with the mouse onto a
// target of its form. While a drag lasts the token holds the mouse, follows
// it so that the point grabbed stays under the pointer, and at the release
// goes back to its home and reports where it was dropped, in the
// coordinates of its form (its parent). The form decides what the drop
// means; a drop on no target simply leaves the token at home.
//
// A drag ends without a drop (`dragCancelled`) when the token or its form is
// hidden, when the program loses activation, or when a move arrives with the
// button already up (the release was lost outside the window). A double
// click during a drag is swallowed.
class TDragToken : public QLabel {
    Q_OBJECT
public:
    explicit TDragToken(QWidget* form, int width = 86, int height = 20);

    // The rounded outline cut into a token `width` pixels wide.
    static QPolygon outline(int width);
    // Whether a drop at `at` lands on `target`, its edges included.
    static bool hits(const QRect& target, QPoint at);

    // Resizes the token and cuts its outline again.
    void setTokenWidth(int width);
    void setTextColour(const QColor& colour);

    QPoint Home;                // where the token rests between drags
    bool VisibleAtHome = false; // hidden between drags unless set
    bool Draggable = true;      // a press on the token starts a drag only while set

    // Starts a drag from the press that is going on now: shows the token
    // above its siblings and takes the mouse; `grip` (token coordinates)
    // stays under the pointer.
    void beginDrag(QPoint grip);
    // Ends a drag without a drop; nothing happens when none is going on.
    void cancelDrag();
    bool isDragging() const { return dragging; }

    // A locked token (one that rests in sight once its page is checked)
    // starts no drag and shows the arrow cursor; locking ends a drag.
    void setLocked(bool locked);
    bool isLocked() const { return locked; }

signals:
    void dragStarted();
    void dropped(QPoint at);
    void dragCancelled();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void stopDragging();
    void returnHome();

    bool dragging = false;
    bool locked = false;
    QPoint grip;
};

} // namespace vz
