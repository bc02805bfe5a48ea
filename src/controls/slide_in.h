#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>

namespace vz {

class TExtImage;

// Slides a picture up into a picture button from below: 23 steps of 20 ms,
// the first one drawn at once. It runs on a timer, not in a nested wait, so
// a click during the slide is an ordinary click and may even end the button's
// form: the timer goes with the button.
class SlideIn : public QObject {
    Q_OBJECT
public:
    explicit SlideIn(TExtImage* button);

    // `under` is what lies under the button; `picture` slides in over it.
    void start(const QImage& under, const QImage& picture);
    // Leaves the button as it is now.
    void stop() { timer.stop(); }
    bool isRunning() const { return timer.isActive(); }

    static constexpr int kSteps = 23;
    static constexpr int kStepMs = 20;

private:
    void step();

    TExtImage* button;
    QTimer timer;
    QImage under;
    QImage picture;
    int offset = 0;
};

} // namespace vz
