#include "poradek_words.h"

#include "../../controls/fonts.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace vz {

TDragLabel::TDragLabel(QWidget* form, int row, int tag) : QLabel(form), Row(row), Tag(tag) {
    setFont(screenFont(16));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true); // a move without the button tells of a release lost elsewhere
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    cancelSwap();
            });
}

QPoint TDragLabel::onForm(const QPointF& local) const {
    return mapToParent(local.toPoint());
}

void TDragLabel::letGo() {
    holding = false;
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void TDragLabel::cancelSwap() {
    if (!holding)
        return;
    letGo();
    emit swapCancelled();
}

void TDragLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || holding)
        return;
    holding = true;
    grabMouse();
    emit pressed(Row, Tag);
}

void TDragLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!holding)
        return;
    if (!(event->buttons() & Qt::LeftButton)) {
        cancelSwap(); // the button went up where the word could not hear it
        return;
    }
    emit moved(onForm(event->position()));
}

void TDragLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!holding || event->button() != Qt::LeftButton)
        return;
    letGo();
    emit released(onForm(event->position()));
}

void TDragLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept(); // a second press during a swap changes nothing
    if (!holding)
        mousePressEvent(event);
}

void TDragLabel::hideEvent(QHideEvent* event) {
    QLabel::hideEvent(event);
    cancelSwap();
}

} // namespace vz
