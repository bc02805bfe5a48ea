#pragma once

#include <QLabel>
#include <QWidget>

namespace vz {

// A speech bubble built from a left cap, a middle that stretches and a right
// cap; the caps keep their width whatever width the bubble is given. The
// drills put the correct answer into it next to a mark.
class THintWindow : public QWidget {
    Q_OBJECT
public:
    QLabel* LPozadi;
    QLabel* Pozadi;
    QLabel* RPozadi;

protected:
    THintWindow(QWidget* stage, QSize designSize, const QString& leftFile, int leftWidth,
                const QString& middleFile, const QString& rightFile, int rightWidth);
    QLabel* addText(int left, int top);

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layoutPieces();
};

// One line of text, the pointer on the right: opens to the left of a mark.
class TwndHint : public THintWindow {
    Q_OBJECT
public:
    explicit TwndHint(QWidget* stage);
    QLabel* Text;
};

// Two lines of text.
class TwndHint2 : public THintWindow {
    Q_OBJECT
public:
    explicit TwndHint2(QWidget* stage);
    QLabel* UpText;
    QLabel* DownText;
};

// The mirror image of TwndHint: opens to the right of a mark.
class TwndHintR : public THintWindow {
    Q_OBJECT
public:
    explicit TwndHintR(QWidget* stage);
    QLabel* Text;
};

} // namespace vz
