#pragma once

#include <QLabel>
#include <QVector>
#include <QWidget>

namespace vz {

// An item of an option list: inverted colours while the mouse is over it.
class TExtLabel : public QLabel {
    Q_OBJECT
public:
    explicit TExtLabel(QWidget* parent);

signals:
    void pressed(QPoint at);
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setColours(bool inverted);
    bool down = false;
};

// A small list of words opened beside a gap. It hides when an item is chosen
// or when the pupil presses the mouse anywhere outside it.
class TOptionPopup : public QWidget {
    Q_OBJECT
public:
    int Row = 0;
    QVector<TExtLabel*> items;

    // Sets the texts of the items, each as wide as the list minus its frame.
    void setItems(const QStringList& texts);

protected:
    TOptionPopup(QWidget* stage, int height, const QVector<int>& tops);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

// Three items; a click writes the item into the gap of row Row.
class TwndMoznosti : public TOptionPopup {
    Q_OBJECT
public:
    explicit TwndMoznosti(QWidget* stage);

signals:
    void itemChosen(int row, const QString& text);
};

// Four items; pressing one hands its word over as a token to drag.
class TwndMoznosti2 : public TOptionPopup {
    Q_OBJECT
public:
    explicit TwndMoznosti2(QWidget* stage);

signals:
    // The press point within the item, and the item's top within the list.
    void itemPressed(int row, const QString& text, QPoint at, int itemTop);
};

} // namespace vz
