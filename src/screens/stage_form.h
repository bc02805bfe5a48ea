#pragma once

#include <QImage>
#include <QWidget>

namespace vz {

// A 640 x 480 form lying on the stage; it paints its background picture.
class TStageForm : public QWidget {
    Q_OBJECT
public:
    explicit TStageForm(QWidget* stage);

    QImage Background;
    QString Caption;

    // Shows the form above the others and makes the program's caption its own.
    void showOnStage();

protected:
    // Puts a control's plain picture into the background, so it survives repaints.
    void drawIntoBackground(const QWidget* control, const QImage& picture);

    void paintEvent(QPaintEvent* event) override;
    // The caption goes back to the form that is on top now.
    void hideEvent(QHideEvent* event) override;
};

} // namespace vz
