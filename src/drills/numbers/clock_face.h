#pragma once

#include "clock_drawing.h"
#include "clock_rules.h"

#include <QWidget>
#include <optional>

namespace vz {

// The hands of one clock. The face itself is part of the form's background;
// this transparent square over it draws only the hands, antialiased, from
// the time it is given. It takes no mouse input.
class ClockFace : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSide = int(clock::kSide);
    static constexpr double kMinuteHand = clock::kMinuteHand;
    static constexpr double kHourHand = clock::kHourHand;

    // A face of kSide x kSide centred on `centre` (form coordinates).
    ClockFace(QWidget* form, QPoint centre);

    void setTime(int hours, int minutes);
    // No hands (before a page is dealt).
    void clearTime();
    std::optional<hod::HandAngles> angles() const { return shown; }

    // The end of a hand `length` long pointing `degrees` clockwise from 12,
    // relative to the centre, y growing downwards.
    static QPointF handEnd(double degrees, double length) {
        return clock::handEnd(degrees, length);
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<hod::HandAngles> shown;
};

} // namespace vz
