#include "globals.h"

namespace vz {

void resetGlobals() {
    ResourceDir.clear();
    DataDir.clear();
    ClickSound.clear();
    EnterSound.clear();
    DataList.clear();
    TabList.clear();
    UsedExamples.reset();
    PageExamples.reset();
    GameNumber = 0;
    GameGroup = 0;
    GameLetter = QChar();
    ExamplesLeft = 0;
    RightCount = 0;
    WrongCount = 0;
    PupilName.clear();
    CountStep = 10;
}

} // namespace vz
