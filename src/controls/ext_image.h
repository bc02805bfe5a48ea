#pragma once

#include <QImage>
#include <QWidget>

namespace vz {

// A picture button: plays OnZvuk when the mouse enters and ClickZvuk when it
// is clicked, and reports enter and leave. Reacts only while enabled.
class TExtImage : public QWidget {
    Q_OBJECT
public:
    explicit TExtImage(QWidget* parent = nullptr);

    QString ClickZvuk; // empty: silent
    QString OnZvuk;    // empty: silent

    void setPicture(const QImage& picture);
    const QImage& picture() const { return Picture; }
    void clearPicture();

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();
    void mousePressed(); // any button, also while a handler decides what a press means
    void mouseReleased();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Picture;
    bool pressed = false;
};

} // namespace vz
