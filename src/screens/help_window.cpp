#include "help_window.h"

#include "../app/globals.h"
#include "../app/resources.h"

#include <QApplication>

namespace vz {

TwndHelp::TwndHelp(QWidget* stage) : TStageForm(stage) {
    Caption = QStringLiteral("Vevider Zuduzad - Nápoveda");
    setProperty("stayOnTop", true);
    setFocusPolicy(Qt::StrongFocus);
    Cas.setInterval(1000);
    connect(&Cas, &QTimer::timeout, this, &TwndHelp::CasTimer);
}

QString TwndHelp::pictureFile(int kind) {
    switch (kind) {
    case Title:
        return resourceFile(QStringLiteral("BMP\\title.bmp"));
    case Authors:
        return resourceFile(QStringLiteral("BMP\\help\\autori.bmp"));
    case SetupHelp:
        return resourceFile(QStringLiteral("BMP\\help\\setup.bmp"));
    case AnswerSummaryHelp:
        return resourceFile(QStringLiteral("BMP\\help\\5b_sum.bmp"));
    case TopicsHelp:
        return resourceFile(QStringLiteral("BMP\\help\\07e_s.bmp"));
    default:
        return resourceFile(
            QStringLiteral("bmp\\help\\bg_0%1%2.bmp").arg(GameGroup).arg(GameLetter));
    }
}

void TwndHelp::ShowPicture(int kind) {
    TickCount = 0;
    const QString file = pictureFile(kind);
    Background = loadPicture(file);
    if (kind == Title)
        Cas.start();
    if (!isVisible())
        focusBefore = QApplication::focusWidget();
    showOnStage();
    setFocus(Qt::OtherFocusReason);
    repaint();
}

void TwndHelp::ClosePicture() {
    Cas.stop();
    hide();
    if (focusBefore)
        focusBefore->setFocus(Qt::OtherFocusReason);
    emit closed();
}

void TwndHelp::CasTimer() {
    if (TickCount >= 10)
        ClosePicture();
    else
        ++TickCount;
}

void TwndHelp::keyPressEvent(QKeyEvent*) {
    ClosePicture();
}

void TwndHelp::mousePressEvent(QMouseEvent*) {
    ClosePicture();
}

} // namespace vz
