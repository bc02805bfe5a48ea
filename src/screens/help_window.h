#pragma once

#include "stage_form.h"

#include <QPointer>
#include <QTimer>

namespace vz {

// The full-size picture window above everything else: the title at start-up,
// the authors, the set-up help and the help of each game. A key or a click
// closes it; the title also closes by itself after about eleven seconds.
class TwndHelp : public TStageForm {
    Q_OBJECT
public:
    enum Kind { Title = 0, Authors = -1, SetupHelp = -2, AnswerSummaryHelp = -3, TopicsHelp = -4 };

    explicit TwndHelp(QWidget* stage);

    // Any other kind shows the help of the current game (GameGroup, GameLetter).
    void ShowPicture(int kind);
    void ClosePicture();

    // The file ShowPicture(kind) shows.
    static QString pictureFile(int kind);

    QTimer Cas;
    quint8 TickCount = 0;

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CasTimer();
    QPointer<QWidget> focusBefore;
};

} // namespace vz
