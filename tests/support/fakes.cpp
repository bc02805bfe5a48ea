#include "fakes.h"

namespace vz::test {

Fakes::Fakes() {
    auto recordingSound = std::make_unique<RecordingSound>();
    sound = recordingSound.get();
    previousSound = platform::setSoundOutput(std::move(recordingSound));
    auto scripted = std::make_unique<ScriptedMessageBoxes>();
    boxes = scripted.get();
    previousBoxes = setMessageBoxes(std::move(scripted));
}

Fakes::~Fakes() {
    platform::setSoundOutput(std::move(previousSound));
    setMessageBoxes(std::move(previousBoxes));
}

} // namespace vz::test
