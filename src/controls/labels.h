#pragma once

#include <QImage>
#include <QWidget>

namespace vz {

// A transparent label without text that reports clicks (press and release
// inside it with the left button) while enabled.
class TClickLabel : public QWidget {
    Q_OBJECT
public:
    TClickLabel(QWidget* owner, int left, int top, int width, int height);

    int Tag = 0;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    virtual void click();

private:
    bool pressed = false;
};

// A TClickLabel with the hand cursor: the global enter sound when the mouse
// enters, the click sound on a click. Reacts only while enabled.
class TXLabel : public TClickLabel {
    Q_OBJECT
public:
    TXLabel(QWidget* owner, int left, int top, int width, int height);

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void click() override;

    virtual void drawEnterPicture() {}
    virtual void drawLeavePicture() {}
};

// A TXLabel that shows EnterPicture while the mouse is over it and
// LeavePicture after it has left. What the parent shows under it comes back
// whenever the parent is shown again.
class TBMPLabel : public TXLabel {
    Q_OBJECT
public:
    // Both pictures empty; the caller fills them.
    TBMPLabel(QWidget* owner, int left, int top, int width, int height);
    // Loads both pictures; a file that cannot be read leaves its picture empty.
    TBMPLabel(QWidget* owner, const QString& enterFile, const QString& leaveFile, int left, int top,
              int width, int height);

    QImage EnterPicture;
    QImage LeavePicture;

    const QImage* shownPicture() const { return shown; }

protected:
    void drawEnterPicture() override;
    void drawLeavePicture() override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const QImage* shown = nullptr;
};

} // namespace vz
