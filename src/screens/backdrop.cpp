#include "backdrop.h"

#include "../app/cursors.h"
#include "../app/message_boxes.h"
#include "../platform/display.h"

#include <QCloseEvent>

namespace vz {
namespace {

TPodklad* theBackdrop = nullptr;

} // namespace

TPodklad::TPodklad() : Stage(new QWidget(this)) {
    setWindowTitle(kProgramCaption);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setCursor(programCursor(kArrowCursor));
    setMinimumSize(platform::kStageSize);
    resize(platform::kStageSize);
    Stage->setFixedSize(platform::kStageSize);
    theBackdrop = this;
    connect(this, &QObject::destroyed, [] { theBackdrop = nullptr; });
}

void TPodklad::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Stage->move((width() - Stage->width()) / 2, (height() - Stage->height()) / 2);
}

void TPodklad::closeEvent(QCloseEvent* event) {
    if (closeQuery && !closeQuery())
        event->ignore();
    else
        event->accept();
}

QWidget* Stage() {
    return theBackdrop ? theBackdrop->stage() : nullptr;
}

} // namespace vz
