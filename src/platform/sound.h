#pragma once

#include <QString>
#include <memory>

namespace vz::platform {

// Plays wave files in the background. A new sound cuts off the one playing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(const QString& wavePath) = 0;
};

// The output PlayWave uses; created on first use.
SoundOutput& soundOutput();
// Replaces the output (tests install a recorder); returns the previous one.
std::unique_ptr<SoundOutput> setSoundOutput(std::unique_ptr<SoundOutput> output);

} // namespace vz::platform
