#include "drawing_tools.h"

#include "../app/cursors.h"
#include "../app/globals.h"
#include "../app/resources.h"
#include "ext_image.h"

namespace vz {

TDrawingTools::TDrawingTools(QWidget* form, QPoint pencilAt, QPoint eraserAt) : QObject(form) {
    const char* names[] = {"ctrl_oz0", "ctrl_oz1", "ctrl_oz2", "ctrl_sm0", "ctrl_sm1", "ctrl_sm2"};
    for (int i = 0; i < 6; ++i)
        pictures[i] = loadPicture(resourceFile(QStringLiteral("BMP\\") + names[i] + ".bmp"));
    const auto button = [form](const char* name, QPoint at) {
        auto* image = new TExtImage(form);
        image->setObjectName(QLatin1String(name));
        image->setGeometry(QRect(at, QSize(96, 59)));
        image->setCursor(programCursor(kHandCursor));
        image->ClickZvuk = ClickSound;
        image->OnZvuk = EnterSound;
        return image;
    };
    imgTuzka = button("imgTuzka", pencilAt);
    imgGuma = button("imgGuma", eraserAt);
    connect(imgTuzka, &TExtImage::clicked, this, [this] { choose(Pencil); });
    connect(imgGuma, &TExtImage::clicked, this, [this] { choose(Eraser); });
    connect(imgTuzka, &TExtImage::mouseEntered, this, [this] {
        pencilHovered = true;
        showStates();
    });
    connect(imgTuzka, &TExtImage::mouseLeft, this, [this] {
        pencilHovered = false;
        showStates();
    });
    connect(imgGuma, &TExtImage::mouseEntered, this, [this] {
        eraserHovered = true;
        showStates();
    });
    connect(imgGuma, &TExtImage::mouseLeft, this, [this] {
        eraserHovered = false;
        showStates();
    });
    showStates();
}

void TDrawingTools::choose(Tool tool) {
    current = tool;
    showStates();
    emit toolChosen(tool);
}

void TDrawingTools::showStates() {
    const auto state = [this](Tool tool, bool hovered) {
        return current == tool ? 2 : hovered ? 1 : 0;
    };
    imgTuzka->setPicture(pictures[state(Pencil, pencilHovered)]);
    imgGuma->setPicture(pictures[3 + state(Eraser, eraserHovered)]);
}

void TDrawingTools::setEnabled(bool enabled) {
    imgTuzka->setEnabled(enabled);
    imgGuma->setEnabled(enabled);
}

} // namespace vz
