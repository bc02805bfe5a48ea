#pragma once

#include <QLabel>

namespace vz {

// A gap of a sentence: a yellow field with centred text; pressing it opens
// the list of words that can go in.
class TGapLabel : public QLabel {
    Q_OBJECT
public:
    TGapLabel(QWidget* parent, int row);
    const int Tag;

signals:
    void pressed(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A word on a transparent label that reports a click (press and release
// inside it with the left button).
class TWordLabel : public QLabel {
    Q_OBJECT
public:
    explicit TWordLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool down = false;
};

} // namespace vz
