#include "../platform/single_instance.h"
#include "../platform/stage_scale.h"
#include "application.h"
#include "command_line.h"
#include "main_sequence.h"
#include "qt_translations.h"
#include "startup_timing.h"

#include <QGuiApplication>
#include <QStringList>

int main(int argc, char** argv) {
    vz::startup_timing::markMainStart();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto status = vz::answerCommandLine(arguments))
        return *status;

    // A second copy ends before it touches the display.
    {
        vz::platform::SingleInstance probe;
        if (!probe.isFirst())
            return 0;
    }
    vz::Application app(argc, argv);
    // Before the first window, so every window is drawn at the screen's pixels.
    vz::platform::fitStageToScreen(QGuiApplication::primaryScreen());
    vz::startup_timing::watch(); // only with VEVIDER_TIMING set
    vz::installQtTranslations(app);
    vz::MainSequence program;
    switch (program.start()) {
    case vz::MainSequence::StartResult::Running:
        return program.run();
    case vz::MainSequence::StartResult::SecondCopy:
        return 0;
    default:
        return 1;
    }
}
