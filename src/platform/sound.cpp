#include "sound.h"

#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace vz::platform {
namespace {

// Keeps one loaded effect per file, so repeated hover and click sounds start
// without decoding the file again.
class EffectSoundOutput : public SoundOutput {
public:
    ~EffectSoundOutput() override { qDeleteAll(effects); }

    void play(const QString& wavePath) override {
        if (current)
            current->stop();
        QSoundEffect*& effect = effects[wavePath];
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(wavePath));
        }
        current = effect;
        effect->play(); // plays as soon as the file is loaded
    }

private:
    QHash<QString, QSoundEffect*> effects;
    QSoundEffect* current = nullptr;
};

std::unique_ptr<SoundOutput>& slot() {
    static std::unique_ptr<SoundOutput> output;
    return output;
}

// Sound effects belong to the application's media back end: they must go
// while the application object still exists, not among the static objects
// after it (that corrupted the heap at every exit).
void dropOutput() {
    slot().reset();
}

} // namespace

SoundOutput& soundOutput() {
    auto& output = slot();
    if (!output) {
        output = std::make_unique<EffectSoundOutput>();
        static const bool dropped = (qAddPostRoutine(dropOutput), true);
        Q_UNUSED(dropped);
    }
    return *output;
}

std::unique_ptr<SoundOutput> setSoundOutput(std::unique_ptr<SoundOutput> output) {
    auto previous = std::move(slot());
    slot() = std::move(output);
    return previous;
}

} // namespace vz::platform
