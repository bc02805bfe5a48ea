#include "predl2_form.h"

namespace vz {

TwndPredl2::TwndPredl2(QWidget* stage)
    : TSortingForm(stage, predl2::layout(), predl2::game(),
                   {QStringLiteral("Der"), QStringLiteral("Die")}) {
    setObjectName(QStringLiteral("wndPredl2"));
}

} // namespace vz
