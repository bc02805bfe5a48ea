// The stage scaled to screens of today's sizes: the factor and the stage's
// place on the screen, and the program's hit tests and drags fed the way a
// platform feeds them, in the screen's own pixels.

#include "app/application.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/sentences/poradek_form.h"
#include "drills/sentences/poradek_words.h"
#include "platform/display.h"
#include "screens/backdrop.h"
#include "screens/select_form.h"
#include "screens/setup_form.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

using namespace vz;
using namespace vz::test;

namespace {

// The offscreen screens of the test, side by side, the first being the
// primary one: large enough to hold the stage at every factor tried.
const char kScreens[] = R"({ "screens": [
    { "name": "uhd", "x": 0, "y": 0, "width": 3840, "height": 2160 },
    { "name": "vga", "x": 3840, "y": 0, "width": 640, "height": 480 },
    { "name": "school-laptop", "x": 4480, "y": 0, "width": 1366, "height": 768 },
    { "name": "wide-laptop", "x": 5846, "y": 0, "width": 1280, "height": 800 },
    { "name": "full-hd", "x": 7126, "y": 0, "width": 1920, "height": 1080 } ] })";

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    qFatal("no test screen %s", qPrintable(name));
}

// A mouse event as the platform sends it: at a stage position turned into
// the window's own pixels, rounded to a whole pixel as a pointer reports it.
void nativeMouse(QWidget* stage, QPointF at, QEvent::Type type, Qt::MouseButtons buttons) {
    QWindow* window = stage->window()->windowHandle();
    const QPointF local = QPointF(stage->mapTo(stage->window(), QPoint())) + at;
    const QPoint pixel = (local * window->devicePixelRatio()).toPoint();
    const QPoint global = window->handle()->geometry().topLeft() + pixel;
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, pixel, global, buttons, Qt::LeftButton, type);
}

void nativeClick(QWidget* stage, QPointF at) {
    nativeMouse(stage, at, QEvent::MouseButtonPress, Qt::LeftButton);
    nativeMouse(stage, at, QEvent::MouseButtonRelease, Qt::NoButton);
}

void nativeDrag(QWidget* stage, QPointF from, QPointF to) {
    nativeMouse(stage, from, QEvent::MouseButtonPress, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        nativeMouse(stage, from + (to - from) * step / 4, QEvent::MouseMove, Qt::LeftButton);
    nativeMouse(stage, to, QEvent::MouseButtonRelease, Qt::NoButton);
}

QRectF stageRect(const QWidget* widget) {
    return QRectF(widget->mapTo(widget->window(), QPoint()) -
                      Stage()->mapTo(widget->window(), QPoint()),
                  widget->size());
}

} // namespace

class TestStageScale : public QObject {
    Q_OBJECT
private slots:
    void stageFillsTheScreenCentred_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<qreal>("factor");
        QTest::newRow("1366 x 768") << "school-laptop" << 1.6;
        QTest::newRow("1280 x 800") << "wide-laptop" << 800.0 / 480;
        QTest::newRow("1920 x 1080") << "full-hd" << 2.25;
        QTest::newRow("3840 x 2160") << "uhd" << 4.5;
    }
    void stageFillsTheScreenCentred() {
        QFETCH(QString, screen);
        QFETCH(qreal, factor);
        QScreen* target = screenNamed(screen);
        QCOMPARE(platform::fitStageToScreen(target), factor);
        QCOMPARE(target->devicePixelRatio(), factor);

        RunningProgram running;
        TPodklad* backdrop = running.program->podklad();
        backdrop->windowHandle()->setScreen(target);
        platform::WindowDisplaySwitcher display(backdrop);
        QVERIFY(display.apply());
        QCOMPARE(backdrop->window()->windowHandle()->screen(), target);
        QCOMPARE(backdrop->geometry(), target->geometry());

        // In the screen's pixels: the whole stage shows, in the middle.
        const QSize pixels = target->size() * factor;
        const QRectF stage(QPointF(backdrop->stage()->pos()) * factor,
                           QSizeF(platform::kStageSize) * factor);
        QVERIFY(QRectF(QPointF(), QSizeF(pixels)).contains(stage));
        QVERIFY(qAbs(stage.left() - (pixels.width() - stage.right())) <= 2 * factor);
        QVERIFY(qAbs(stage.top() - (pixels.height() - stage.bottom())) <= 2 * factor);
        QVERIFY(qMin(pixels.width() - stage.width(), pixels.height() - stage.height()) <
                factor + 1); // one side is filled
    }

    void clicksAndDragsLandOnTheSameStagePoints_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("1") << "vga";
        QTest::newRow("1.6") << "school-laptop";
        QTest::newRow("2.25") << "full-hd";
    }
    void clicksAndDragsLandOnTheSameStagePoints() {
        QFETCH(QString, screen);
        platform::fitStageToScreen(screenNamed(screen));
        RunningProgram running(RunningProgram::withGameContent);
        running.program->podklad()->showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(running.program->podklad()));
        QWidget* stage = Stage();

        // The last unit of the group button, at its far corner, still chooses it.
        TwndSelect* menu = running.program->select();
        const QRectF group = stageRect(menu->GroupButtons[4]);
        nativeClick(stage, group.bottomRight() - QPointF(1, 1));
        QVERIFY(menu->GameButtons[0]->isVisible() && menu->GameButtons[0]->height() > 0);
        nativeClick(stage, stageRect(menu->GameButtons[0]).center());
        TwndSetup* setup = running.program->setup();
        QTRY_VERIFY(setup->isVisible());
        GamePlayer::typeText(setup->edJmeno, QStringLiteral("Eva"));
        nativeClick(stage, stageRect(setup->img[0]).center());
        QTRY_VERIFY(setup->Pokr->isEnabled());
        nativeClick(stage, stageRect(setup->Pokr).center());
        auto* form = qobject_cast<TwndPoradek*>(GamePlayer::visibleExercise());
        QVERIFY(form);

        // A word dragged onto another swaps the two, exactly those two.
        const QStringList before = form->order(1).words();
        int a = 0;
        while (form->order(1).isFixed(a))
            ++a;
        int b = a + 1;
        while (form->order(1).isFixed(b) || before[b] == before[a])
            ++b;
        nativeDrag(stage, stageRect(form->words(1)[a]).center(),
                   stageRect(form->words(1)[b]).center());
        QStringList swapped = before;
        swapped.swapItemsAt(a, b);
        QCOMPARE(form->order(1).words(), swapped);
        QVERIFY(!QWidget::mouseGrabber());
    }
};

int main(int argc, char** argv) {
    QTemporaryFile configuration;
    if (!configuration.open() || configuration.write(kScreens) < 0)
        return 1;
    configuration.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configuration.fileName().toLocal8Bit());
    vz::Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestStageScale test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_stage_scale.moc"
