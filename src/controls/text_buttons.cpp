#include "text_buttons.h"

#include "../app/cursors.h"
#include "fonts.h"

#include <QMouseEvent>

namespace vz {

TGapLabel::TGapLabel(QWidget* parent, int row) : QLabel(parent), Tag(row) {
    setAlignment(Qt::AlignCenter);
    setFont(screenFont(16));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 236, 182));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setCursor(programCursor(kHandCursor));
}

void TGapLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed(Tag);
}

TWordLabel::TWordLabel(QWidget* parent) : QLabel(parent) {
    setFont(screenFont(16));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TWordLabel::mousePressEvent(QMouseEvent* event) {
    down = event->button() == Qt::LeftButton;
}

void TWordLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside =
        down && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    down = false;
    if (inside)
        emit clicked();
}

} // namespace vz
