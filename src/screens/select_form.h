#pragma once

#include "stage_form.h"

namespace vz {

class TBMPLabel;
class TClickLabel;
class TwndHelp;

// The main menu: the first form the pupil sees after the title, and the one
// whose closing ends the program.
class TwndSelect : public TStageForm {
    Q_OBJECT
public:
    TwndSelect(QWidget* stage, TwndHelp* help);

    // Asks "Chcete naozaj ukončiť aplikáciu?"; on Yes emits closed().
    bool CloseQuery();

    TClickLabel* lbZahlavi;
    TBMPLabel* exitButton;

signals:
    void closed();

private:
    TwndHelp* help;
};

} // namespace vz
