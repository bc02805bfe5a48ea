#include "../platform/display.h"
#include "../platform/single_instance.h"
#include "application.h"
#include "command_line.h"
#include "main_sequence.h"
#include "qt_translations.h"
#include "startup_timing.h"

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
    const int scale = vz::platform::probeStageScale(argc, argv);
    if (scale > 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));

    vz::Application app(argc, argv);
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
