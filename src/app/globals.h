#pragma once

#include "../controls/lchset.h"

#include <QString>
#include <QStringList>
#include <memory>

// State shared by every screen for the whole run.
namespace vz {

inline QString ResourceDir; // always ends in "/"
inline QString DataDir;     // always ends in "/"
inline QString ClickSound;
inline QString EnterSound;

inline QStringList DataList; // unscrambled lines of data.dat; never changed
inline QStringList TabList;  // unscrambled lines of tab.dat; written back at exit

inline std::unique_ptr<TLChSet> UsedExamples; // examples used in the current game
inline std::unique_ptr<TLChSet> PageExamples; // examples dealt on the current page

inline quint8 GameNumber = 0;
inline quint8 GameGroup = 0;
inline QChar GameLetter;
inline quint8 ExamplesLeft = 0;
inline quint8 RightCount = 0;
inline quint8 WrongCount = 0;
inline QString PupilName;
inline quint8 CountStep = 10;

inline constexpr int kUsedExamplesCapacity = 48;
inline constexpr int kPageExamplesCapacity = 12;

// Everything back to the state before start-up (tests start many times).
void resetGlobals();

} // namespace vz
