// Every drill's reading of its content lines, as the game reads them while it
// is played: the first byte picks the game, the rest is the content (Windows-
// 1250 text, section headers included). The game's form deals a page, deals a
// new one, checks it and shows the correct answer of every row. Bad content
// may end the game with "Cannot open file", never crash or hang it.

#include "app/globals.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/registry.h"
#include "exercise/exercise_form.h"
#include "fuzz_input.h"
#include "screens/game_catalogue.h"
#include "screens/hint_windows.h"
#include "screens/windows.h"
#include "store/app_error.h"
#include "store/text_lines.h"
#include "support/fakes.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <memory>

using namespace vz;

namespace {

QApplication* application = nullptr;
QWidget* stage = nullptr;

void click(QWidget* widget) {
    if (widget && widget->isVisible() && widget->isEnabled())
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    // The pictures of a built installation (fuzz/run.sh names the main build's).
    const QByteArray res = qgetenv("VZ_FUZZ_RES_DIR");
    ResourceDir =
        QDir(res.isEmpty() ? QStringLiteral(VZ_STAGE_RES_DIR) : QString::fromLocal8Bit(res))
            .absolutePath() +
        QLatin1Char('/');
    static test::Fakes fakes; // no sound device, no message box waiting for a click
    stage = new QWidget;
    stage->resize(640, 480);
    // The answer windows every exercise form shows its correct answers in.
    wndHint = new TwndHint(stage);
    wndHint2 = new TwndHint2(stage);
    wndHintR = new TwndHintR(stage);
    stage->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const QVector<GameInfo>& games = GameCatalogue();
    const GameInfo& game = games[data[0] % games.size()];
    QRandomGenerator random(data[1]);
    DataList = splitLines(fuzz::bytes(data + 2, size - 2));
    GameNumber = game.number;
    GameGroup = game.group;
    GameLetter = game.letter;
    CountStep = game.countStep;
    ExamplesLeft = game.countStep * 2;
    RightCount = WrongCount = 0;
    UsedExamples = std::make_unique<TLChSet>(kUsedExamplesCapacity);
    PageExamples = std::make_unique<TLChSet>(kPageExamplesCapacity);

    std::unique_ptr<TStageForm> form;
    try {
        form.reset(startExerciseForm(game, stage, &random));
    } catch (const AppError&) {
        return 0; // refused with a message, as the program does
    }
    VZ_FUZZ_REQUIRE(form);
    form->show();
    if (auto* exercise = qobject_cast<TExerciseForm*>(form.get())) {
        try {
            click(exercise->newButton);
            click(exercise->checkButton);
            for (TExtImage* mark : exercise->Vyhodn) {
                if (mark->isVisible()) {
                    QTest::mousePress(mark, Qt::LeftButton, {}, QPoint(2, 2));
                    QTest::mouseRelease(mark, Qt::LeftButton, {}, QPoint(2, 2));
                }
            }
        } catch (const AppError&) {
        }
    }
    return 0;
}
