#include "select_form.h"

#include "../app/cursors.h"
#include "../app/globals.h"
#include "../app/message_boxes.h"
#include "../app/resources.h"
#include "../controls/labels.h"
#include "help_window.h"

namespace vz {

TwndSelect::TwndSelect(QWidget* stage, TwndHelp* help) : TStageForm(stage), help(help) {
    setObjectName(QStringLiteral("wndSelect"));
    PupilName.clear();
    GameGroup = 0;
    GameNumber = 0;
    ExamplesLeft = 0;
    Background = loadPicture(resourceFile(QStringLiteral("BMP\\select\\bckg.bmp")));

    lbZahlavi = new TClickLabel(this, 5, 5, 539, 75);
    lbZahlavi->setObjectName(QStringLiteral("lbZahlavi"));
    lbZahlavi->setCursor(programCursor(kHelpCursor));
    connect(lbZahlavi, &TClickLabel::clicked, this, [this] { this->help->ShowPicture(TwndHelp::Authors); });

    exitButton = new TBMPLabel(this, resourceFile(QStringLiteral("bmp\\select\\mkoneh.bmp")),
                               resourceFile(QStringLiteral("bmp\\select\\mkone.bmp")), 546, 5, 91, 75);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    connect(exitButton, &TXLabel::clicked, this, &TwndSelect::CloseQuery);
    drawIntoBackground(exitButton, exitButton->LeavePicture);
}

bool TwndSelect::CloseQuery() {
    if (!messageBoxes().question(QStringLiteral("Chcete naozaj ukončiť aplikáciu?")))
        return false;
    emit closed();
    return true;
}

} // namespace vz
