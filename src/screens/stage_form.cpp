#include "stage_form.h"

#include "../app/cursors.h"
#include "../app/message_boxes.h"
#include "../platform/display.h"

#include <QPainter>

namespace vz {

TStageForm::TStageForm(QWidget* stage) : QWidget(stage), Caption(kProgramCaption) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(QRect(QPoint(0, 0), platform::kStageSize));
    setCursor(programCursor(kArrowCursor));
    hide();
}

void TStageForm::showOnStage() {
    show();
    raise();
    // Windows that stay on top (the help picture) stay above a form shown later.
    if (QWidget* stage = parentWidget()) {
        for (QObject* child : stage->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget != this && widget->isVisible() &&
                widget->property("stayOnTop").toBool())
                widget->raise();
        }
    }
    if (QWidget* top = window(); top != this)
        top->setWindowTitle(Caption);
}

void TStageForm::drawIntoBackground(const QWidget* control, const QImage& picture) {
    if (Background.isNull() || picture.isNull())
        return;
    QPainter painter(&Background);
    painter.drawImage(control->pos(), picture);
}

void TStageForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    QWidget* stage = parentWidget();
    if (!stage || window() == this)
        return;
    const QObjectList forms = stage->children();
    for (auto it = forms.crbegin(); it != forms.crend(); ++it) {
        auto* form = qobject_cast<TStageForm*>(*it);
        if (form && form != this && form->isVisible()) {
            window()->setWindowTitle(form->Caption);
            return;
        }
    }
}

void TStageForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(33, 89, 140));
    if (!Background.isNull())
        painter.drawImage(0, 0, Background);
}

} // namespace vz
