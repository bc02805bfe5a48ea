#include "drag_token.h"

#include "../app/cursors.h"
#include "fonts.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace vz {

TDragToken::TDragToken(QWidget* form, int width, int height) : QLabel(form) {
    setAlignment(Qt::AlignCenter);
    setFont(screenFont(16));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setCursor(programCursor(kHandCursor));
    setMouseTracking(true); // a move without the button tells of a release lost elsewhere
    resize(width, height);
    setTokenWidth(width);
    hide();
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    cancelDrag();
            });
}

QPolygon TDragToken::outline(int w) {
    return QPolygon({{0, 7},
                     {1, 5},
                     {5, 1},
                     {7, 0},
                     {w - 7, 0},
                     {w - 5, 1},
                     {w - 1, 6},
                     {w, 9},
                     {w, 11},
                     {w - 2, 15},
                     {w - 5, 18},
                     {w - 9, 20},
                     {7, 19},
                     {5, 18},
                     {1, 14},
                     {0, 12}});
}

bool TDragToken::hits(const QRect& target, QPoint at) {
    return at.x() >= target.left() && at.x() <= target.left() + target.width() &&
           at.y() >= target.top() && at.y() <= target.top() + target.height();
}

void TDragToken::setTokenWidth(int width) {
    resize(width, height());
    setMask(QRegion(outline(width), Qt::OddEvenFill));
}

void TDragToken::setTextColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void TDragToken::beginDrag(QPoint at) {
    if (dragging || locked)
        return;
    grip = at;
    dragging = true;
    show();
    raise();
    grabMouse();
    emit dragStarted();
}

void TDragToken::setLocked(bool on) {
    locked = on;
    if (on)
        cancelDrag();
    setCursor(programCursor(on ? kArrowCursor : kHandCursor));
}

void TDragToken::stopDragging() {
    dragging = false;
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void TDragToken::returnHome() {
    move(Home);
    setVisible(VisibleAtHome);
}

void TDragToken::cancelDrag() {
    if (!dragging)
        return;
    stopDragging();
    returnHome();
    emit dragCancelled();
}

void TDragToken::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && Draggable)
        beginDrag(event->position().toPoint());
}

void TDragToken::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!dragging)
        return;
    if (!(event->buttons() & Qt::LeftButton)) {
        cancelDrag(); // the button went up where the token could not hear it
        return;
    }
    // Only the token's old and new places are repainted, not the page.
    move(pos() + event->position().toPoint() - grip);
}

void TDragToken::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!dragging || event->button() != Qt::LeftButton)
        return;
    const QPoint at = parentWidget()
                          ? parentWidget()->mapFromGlobal(event->globalPosition()).toPoint()
                          : event->globalPosition().toPoint();
    stopDragging();
    returnHome();
    emit dropped(at);
}

void TDragToken::mouseDoubleClickEvent(QMouseEvent* event) {
    if (dragging)
        event->accept(); // a second press during the drag changes nothing
    else
        mousePressEvent(event);
}

void TDragToken::moveEvent(QMoveEvent* event) {
    QLabel::moveEvent(event);
    // Qt may move an opaque widget by copying its old pixels. When a token is
    // sent away from under another one still drawn there (a drop on a filled
    // slot), those pixels show the other token's word: paint it afresh.
    update();
}

void TDragToken::hideEvent(QHideEvent* event) {
    QLabel::hideEvent(event);
    cancelDrag();
}

} // namespace vz
