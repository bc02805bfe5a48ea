#include "option_popups.h"

#include "../app/cursors.h"
#include "../controls/fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace vz {
namespace {

const QColor kListColour(255, 236, 182);

} // namespace

TExtLabel::TExtLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFont(screenFont(16));
    setCursor(programCursor(kHandCursor));
    setAutoFillBackground(true);
    setColours(false);
}

void TExtLabel::setColours(bool inverted) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, inverted ? Qt::black : kListColour);
    colours.setColor(QPalette::WindowText, inverted ? kListColour : Qt::black);
    setPalette(colours);
}

void TExtLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    setColours(true);
}

void TExtLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    setColours(false);
}

void TExtLabel::mousePressEvent(QMouseEvent* event) {
    down = event->button() == Qt::LeftButton;
    if (down)
        emit pressed(event->position().toPoint());
}

void TExtLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = down && rect().contains(event->position().toPoint());
    down = false;
    if (click)
        emit clicked();
}

TOptionPopup::TOptionPopup(QWidget* stage, int height, const QVector<int>& tops) : QWidget(stage) {
    setWindowTitle(QStringLiteral("Možnosti"));
    setCursor(programCursor(kArrowCursor));
    resize(199, height);
    for (int top : tops) {
        auto* item = new TExtLabel(this);
        item->setGeometry(1, top, 197, 20);
        items << item;
    }
    hide();
}

void TOptionPopup::setItems(const QStringList& texts) {
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setText(texts.value(i));
        items[i]->setFixedWidth(qMax(0, width() - 2));
    }
}

void TOptionPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(kListColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TOptionPopup::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    raise();
    qApp->installEventFilter(this);
}

void TOptionPopup::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    for (TExtLabel* item : items) { // the next opening starts with plain items
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(item, &leave);
    }
    QWidget::hideEvent(event);
}

bool TOptionPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget != this && !isAncestorOf(widget))
            hide(); // the press goes on to whatever was clicked
    }
    return false;
}

TwndMoznosti::TwndMoznosti(QWidget* stage) : TOptionPopup(stage, 65, {1, 22, 44}) {
    setObjectName(QStringLiteral("wndMoznosti"));
    for (TExtLabel* item : items) {
        connect(item, &TExtLabel::clicked, this, [this, item] {
            const QString text = item->text();
            hide();
            emit itemChosen(Row, text);
        });
    }
}

TwndMoznosti2::TwndMoznosti2(QWidget* stage) : TOptionPopup(stage, 87, {1, 22, 44, 66}) {
    setObjectName(QStringLiteral("wndMoznosti2"));
    for (TExtLabel* item : items) {
        connect(item, &TExtLabel::pressed, this, [this, item](QPoint at) {
            const QString text = item->text();
            const int top = item->y();
            hide();
            emit itemPressed(Row, text, at, top);
        });
    }
}

} // namespace vz
