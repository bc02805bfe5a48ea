#pragma once

#include <QWidget>
#include <functional>

namespace vz {

// The one top-level window: black, full screen, never takes input itself.
// Every form of the program is a child of its 640 x 480 stage, centred.
class TPodklad : public QWidget {
    Q_OBJECT
public:
    TPodklad();

    QWidget* stage() const { return Stage; }

    // Asked when the window system wants to close the program (for example
    // Alt+F4); the window closes only when it returns true.
    std::function<bool()> closeQuery;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* Stage;
};

// The stage every form is placed on; null before the backdrop exists.
QWidget* Stage();

} // namespace vz
