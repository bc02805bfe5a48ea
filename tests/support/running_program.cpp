#include "running_program.h"

#include "app/globals.h"
#include "screens/help_window.h"
#include "screens/select_form.h"

#include <QTest>

namespace vz::test {

RunningProgram::RunningProgram(const std::function<void(TempInstall&)>& prepare) {
    resetGlobals();
    if (prepare)
        prepare(install);
    program = std::make_unique<MainSequence>(install.options());
    if (program->start() != MainSequence::StartResult::Running)
        qFatal("the program did not start from the test installation");
    program->help()->ClosePicture();
    program->select()->showOnStage();
}

void RunningProgram::withGameContent(TempInstall& install) {
    install.useBuiltContent();
    install.writeScrambled(QStringLiteral("tab.dat"), {});
}

RunningProgram::~RunningProgram() {
    program.reset();
}

} // namespace vz::test
