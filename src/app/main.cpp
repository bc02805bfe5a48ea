#include "../platform/display.h"
#include "../platform/single_instance.h"
#include "application.h"
#include "main_sequence.h"

int main(int argc, char** argv) {
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
