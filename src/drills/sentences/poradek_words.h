#pragma once

#include <QLabel>

namespace vz {

// A word of a word order row. A press with the left button takes the mouse
// until the release, so the word hears every move and the release wherever
// they happen; it reports them in the coordinates of its form (its parent).
// Whether a press starts a swap is the form's decision.
//
// A swap whose release is never heard ends with `swapCancelled`: when a move
// arrives with the button already up, when the word is hidden, or when the
// program loses activation.
class TDragLabel : public QLabel {
    Q_OBJECT
public:
    TDragLabel(QWidget* form, int row, int tag);

    const int Row; // 1 ... 10
    const int Tag; // the word's place in its row, from 0

    // Gives up the mouse without a release; nothing happens when it is not held.
    void cancelSwap();
    bool holdsMouse() const { return holding; }

signals:
    void pressed(int row, int tag);
    void moved(QPoint at);
    void released(QPoint at);
    void swapCancelled();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPoint onForm(const QPointF& local) const;
    void letGo();

    bool holding = false;
};

} // namespace vz
