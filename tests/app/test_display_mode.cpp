#include "app/application.h"
#include "app/scr_res_changer.h"
#include "support/fakes.h"

#include <QTest>

using namespace vz;
using namespace vz::test;

class TestDisplayMode : public QObject {
    Q_OBJECT
private slots:
    void init() { fakes = std::make_unique<Fakes>(); }
    void cleanup() { fakes.reset(); }

    void failureAtStartUpWarnsOnceWithTheTwoLineText() {
        FakeDisplay display;
        display.canSwitch = false;
        TScrResChanger changer(display);
        changer.WarnOnFailure = true;
        changer.ApplyMode();
        changer.ApplyMode();
        changer.ApplyMode();
        QCOMPARE(display.applies, 3);
        QCOMPARE(fakes->boxes->informations,
                 QStringList{QStringLiteral(
                     "Grafická karta neumožňuje okamžité prepnutie rozlíšenia monitora.\r\n"
                     "Bude zachované aktuálne rozlíšenie.")});
        QVERIFY(!changer.WarnOnFailure);
    }

    void laterFailureAfterASuccessIsSilent() {
        FakeDisplay display;
        TScrResChanger changer(display);
        changer.WarnOnFailure = true;
        changer.ApplyMode();
        display.canSwitch = false;
        changer.ApplyMode();
        QVERIFY(fakes->boxes->informations.isEmpty());
    }

    void leavingAndComingBackRestoresAndReappliesEachTime() {
        FakeDisplay display;
        TScrResChanger changer(display);
        changer.ApplyMode();
        for (int i = 0; i < 3; ++i) {
            changer.RestoreMode();
            changer.ApplyMode();
        }
        QCOMPARE(display.applies, 4);
        QCOMPARE(display.restores, 3);
    }

    void restoreRunsEvenWhenNothingWasApplied() {
        FakeDisplay display;
        display.canSwitch = false;
        TScrResChanger changer(display);
        changer.ApplyMode();
        changer.RestoreMode();
        QCOMPARE(display.restores, 1);
    }

    void stageScalesByTheLargestFactorThatFits_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<qreal>("factor");
        QTest::newRow("exact") << QSize(640, 480) << 1.0;
        QTest::newRow("school laptop") << QSize(1366, 768) << 1.6;
        QTest::newRow("16:10 laptop") << QSize(1280, 800) << 800.0 / 480;
        QTest::newRow("full hd") << QSize(1920, 1080) << 2.25;
        QTest::newRow("4k") << QSize(3840, 2160) << 4.5;
        QTest::newRow("4:3") << QSize(1024, 768) << 1.6;
        QTest::newRow("tall portrait") << QSize(1080, 1920) << 1080.0 / 640;
        QTest::newRow("too small") << QSize(600, 800) << 600.0 / 640;
        QTest::newRow("no screen") << QSize() << 0.0;
    }
    void stageScalesByTheLargestFactorThatFits() {
        QFETCH(QSize, screen);
        QFETCH(qreal, factor);
        QCOMPARE(platform::stageScaleFactor(screen), factor);
    }

private:
    std::unique_ptr<Fakes> fakes;
};

VZ_GUI_TEST_MAIN(TestDisplayMode)
#include "test_display_mode.moc"
