#pragma once

#include "fakes.h"
#include "temp_install.h"

#include <memory>

namespace vz::test {

// The program started from a temporary installation, its title closed and
// its main menu showing; sounds are recorded and message boxes scripted.
class RunningProgram {
public:
    // `prepare` may change the installation before the program starts.
    explicit RunningProgram(const std::function<void(TempInstall&)>& prepare = {});

    // A preparation for playing games: the built German content, no results yet.
    static void withGameContent(TempInstall& install);
    ~RunningProgram();

    Fakes fakes;
    TempInstall install;
    std::unique_ptr<MainSequence> program;
};

} // namespace vz::test
