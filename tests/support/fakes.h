#pragma once

#include "app/message_boxes.h"
#include "platform/display.h"
#include "platform/sound.h"

#include <QStringList>
#include <memory>

namespace vz::test {

// Records every sound instead of playing it.
class RecordingSound : public platform::SoundOutput {
public:
    void play(const QString& wavePath) override { played << wavePath; }
    QStringList played;
};

// Answers message boxes without showing them and remembers what was asked.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    void stop(const QString& text) override { stops << text; }
    void information(const QString& text) override { informations << text; }
    bool question(const QString& text) override {
        questions << text;
        return answerYes;
    }
    QStringList stops;
    QStringList informations;
    QStringList questions;
    bool answerYes = true;
};

// A screen that can or cannot be taken, counting what was asked of it.
class FakeDisplay : public platform::DisplaySwitcher {
public:
    bool apply() override {
        ++applies;
        return canSwitch;
    }
    void restore() override { ++restores; }
    bool canSwitch = true;
    int applies = 0;
    int restores = 0;
};

// Installs the recording sound and scripted boxes for as long as it lives.
class Fakes {
public:
    Fakes();
    ~Fakes();
    RecordingSound* sound;
    ScriptedMessageBoxes* boxes;

private:
    std::unique_ptr<platform::SoundOutput> previousSound;
    std::unique_ptr<MessageBoxes> previousBoxes;
};

} // namespace vz::test

// A test main that uses the program's own application object, so errors
// escaping handlers take the program's path.
#define VZ_GUI_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        vz::Application app(argc, argv);                                                           \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
