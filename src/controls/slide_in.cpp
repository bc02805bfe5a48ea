#include "slide_in.h"

#include "ext_image.h"

#include <QPainter>

namespace vz {

SlideIn::SlideIn(TExtImage* button) : QObject(button), button(button) {
    timer.setInterval(kStepMs);
    connect(&timer, &QTimer::timeout, this, &SlideIn::step);
}

void SlideIn::start(const QImage& underButton, const QImage& slidingPicture) {
    under = underButton;
    picture = slidingPicture;
    offset = kSteps - 1;
    step();
    timer.start();
}

void SlideIn::step() {
    QImage canvas = under;
    {
        QPainter painter(&canvas);
        painter.drawImage(0, offset, picture);
    }
    button->setPicture(canvas);
    if (--offset < 0)
        timer.stop();
}

} // namespace vz
