#include "app/application.h"
#include "app/globals.h"
#include "screens/backdrop.h"
#include "screens/help_window.h"
#include "screens/hint_windows.h"
#include "store/app_error.h"
#include "support/fakes.h"

#include <QTest>

using namespace vz;
using namespace vz::test;

class TestHelpAndHints : public QObject {
    Q_OBJECT
private slots:
    void init() {
        resetGlobals();
        ResourceDir = QStringLiteral(VZ_STAGE_RES_DIR "/");
        backdrop = std::make_unique<TPodklad>();
        backdrop->show();
        help = new TwndHelp(backdrop->stage());
    }
    void cleanup() { backdrop.reset(); }

    void gameHelpFollowsGroupAndLetterNotTheNumberPassed() {
        GameGroup = 5;
        GameLetter = 'b';
        QCOMPARE(TwndHelp::pictureFile(19), ResourceDir + "bmp/help/bg_05b.bmp");
        QCOMPARE(TwndHelp::pictureFile(3), ResourceDir + "bmp/help/bg_05b.bmp");
        QCOMPARE(TwndHelp::pictureFile(-2), ResourceDir + "bmp/help/setup.bmp");
        QCOMPARE(TwndHelp::pictureFile(-4), ResourceDir + "bmp/help/07e_s.bmp");
    }

    void keyClosesTheTitleForGood() {
        help->ShowPicture(TwndHelp::Title);
        QVERIFY(help->isVisible());
        QVERIFY(help->Cas.isActive());
        QTest::keyClick(help, Qt::Key_Space);
        QVERIFY(!help->isVisible());
        QVERIFY(!help->Cas.isActive());
        QTest::qWait(50);
        QVERIFY(!help->isVisible());
    }

    void clickClosesAPicture() {
        help->ShowPicture(TwndHelp::Authors);
        QVERIFY(!help->Cas.isActive()); // only the title closes by itself
        QTest::mouseClick(help, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(!help->isVisible());
    }

    void titleClosesOnTheEleventhTick() {
        help->ShowPicture(TwndHelp::Title);
        help->Cas.setInterval(5); // eleven ticks of 5 ms instead of 1 s
        int ticks = 0;
        connect(&help->Cas, &QTimer::timeout, this, [&] { ++ticks; });
        QTRY_VERIFY(!help->isVisible());
        QCOMPARE(ticks, 11);
        QVERIFY(!help->Cas.isActive());
    }

    void pictureStaysAboveFormsShownLater() {
        help->ShowPicture(TwndHelp::Authors);
        auto* form = new TStageForm(backdrop->stage());
        form->showOnStage();
        QCOMPARE(backdrop->stage()->childAt(10, 10), help);
    }

    void missingPictureRaisesCannotOpenFile() {
        GameGroup = 9;
        GameLetter = 'z';
        try {
            help->ShowPicture(42);
            QFAIL("no error raised");
        } catch (const AppError& error) {
            QVERIFY(error.message().contains("Cannot open file"));
            QVERIFY(error.message().contains("bg_09z.bmp"));
        }
    }

    void widerHintKeepsItsCapsAndStretchesTheMiddle() {
        auto* hint = new TwndHint(backdrop->stage());
        QCOMPARE(hint->size(), QSize(161, 34));
        hint->resize(300, 34);
        hint->show();
        QCOMPARE(hint->LPozadi->geometry(), QRect(0, 0, 10, 34));
        QCOMPARE(hint->RPozadi->geometry(), QRect(283, 0, 17, 34));
        QCOMPARE(hint->Pozadi->geometry(), QRect(10, 0, 273, 34));
        QCOMPARE(hint->Text->pos(), QPoint(10, 11));
        // The middle is drawn stretched over the whole width between the caps.
        const QImage shot = hint->grab().toImage();
        QCOMPARE(shot.pixelColor(150, 17), shot.pixelColor(20, 17));
    }

    void mirroredAndTwoLineHintsFollowTheirDesign() {
        auto* right = new TwndHintR(backdrop->stage());
        right->resize(250, 34);
        right->show();
        QCOMPARE(right->LPozadi->width(), 17);
        QCOMPARE(right->RPozadi->geometry(), QRect(240, 0, 10, 34));
        QCOMPARE(right->Text->pos(), QPoint(20, 11));
        auto* two = new TwndHint2(backdrop->stage());
        QCOMPARE(two->size(), QSize(161, 55));
        QCOMPARE(two->DownText->pos(), QPoint(10, 32));
    }

    void hintCornersAreSeeThrough() {
        auto* hint = new TwndHint(backdrop->stage());
        const QImage cap = hint->RPozadi->pixmap().toImage();
        QCOMPARE(qAlpha(cap.pixel(1, 1)), 0);
        QVERIFY(qAlpha(cap.pixel(5, 17)) == 255);
    }

private:
    std::unique_ptr<TPodklad> backdrop;
    TwndHelp* help = nullptr;
};

VZ_GUI_TEST_MAIN(TestHelpAndHints)
#include "test_help_and_hints.moc"
