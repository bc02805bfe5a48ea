#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <array>

class QWidget;

namespace vz {

class TExtImage;

// The pencil and the eraser with which the pupil marks words: a click takes
// a tool, which then stays chosen from page to page. Each picture has three
// states: plain, under the mouse, chosen.
class TDrawingTools : public QObject {
    Q_OBJECT
public:
    enum Tool { Pencil, Eraser, None };

    TDrawingTools(QWidget* form, QPoint pencilAt, QPoint eraserAt);

    Tool tool() const { return current; }
    void setEnabled(bool enabled);

    TExtImage* imgTuzka; // the pencil
    TExtImage* imgGuma;  // the eraser

signals:
    void toolChosen(Tool tool);

private:
    void choose(Tool tool);
    void showStates();

    std::array<QImage, 6> pictures; // pencil plain, hover, chosen; eraser the same
    Tool current = None;
    bool pencilHovered = false;
    bool eraserHovered = false;
};

} // namespace vz
