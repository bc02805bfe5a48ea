#include "app/application.h"
#include "app/globals.h"
#include "screens/backdrop.h"
#include "screens/help_window.h"
#include "screens/table_window.h"
#include "store/app_error.h"
#include "support/fakes.h"
#include "support/temp_install.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vz;
using namespace vz::test;

class TestErrorPolicy : public QObject {
    Q_OBJECT
private slots:
    void init() {
        resetGlobals();
        fakes = std::make_unique<Fakes>();
    }
    void cleanup() { fakes.reset(); }

    void otherErrorsInAClickHandlerAreDropped() {
        TempInstall install;
        MainSequence program(install.options());
        QCOMPARE(program.start(), MainSequence::StartResult::Running);
        program.help()->ClosePicture();
        int clicks = 0;
        auto* button = new QPushButton(Stage());
        button->setGeometry(0, 0, 50, 50);
        button->show();
        button->raise();
        QObject::connect(button, &QPushButton::clicked, [&] {
            ++clicks;
            throw AppError("Invalid integer value");
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks, 2); // the program went on after the first error
        QVERIFY(fakes->boxes->stops.isEmpty());
        QVERIFY(!program.exceptionHandler().terminationRequested());
    }

    void cannotOpenFileAnywhereInTheMessageEndsTheProgramInOrder_data() {
        QTest::addColumn<QString>("message");
        QTest::newRow("at the start") << "Cannot open file \"bmp/x.bmp\"";
        QTest::newRow("in the middle") << "/res/bmp/x.bmp: Cannot open file. Gone.";
    }
    void cannotOpenFileAnywhereInTheMessageEndsTheProgramInOrder() {
        QFETCH(QString, message);
        TempInstall install;
        MainSequence program(install.options());
        QCOMPARE(program.start(), MainSequence::StartResult::Running);
        program.help()->ClosePicture();
        TabList << "[5]"
                << "Jana|9|1|1";
        auto* button = new QPushButton(Stage());
        button->setGeometry(0, 0, 50, 50);
        button->show();
        button->raise();
        QObject::connect(button, &QPushButton::clicked, [message] { throw AppError(message); });
        QTimer::singleShot(0, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        QCOMPARE(program.run(), 0);
        QCOMPARE(fakes->boxes->stops, QStringList{kInstallMessage});
        QVERIFY(fakes->boxes->questions.isEmpty()); // no exit question
        QCOMPARE(install.readScrambled("tab.dat"),
                 (QStringList{"[1]", "Eva|10|0|1", "[5]", "Jana|9|1|1"}));
    }

    void tableOpenWhenTheProgramEndsIsStillSaved() {
        TempInstall install;
        MainSequence program(install.options());
        QCOMPARE(program.start(), MainSequence::StartResult::Running);
        GameNumber = 1;
        GameGroup = 1;
        GameLetter = 'a';
        auto* table = new TwndTab(Stage());
        table->LoadTable(); // the table of game 1 is out of TabList now
        QVERIFY(!TabList.contains("[1]"));
        QTimer::singleShot(0, [] { reportError("Cannot open file \"bmp/x.bmp\""); });
        QCOMPARE(program.run(), 0);
        const QStringList tab = install.readScrambled("tab.dat");
        QVERIFY(tab.contains("[1]"));
        QCOMPARE(tab[tab.indexOf("[1]") + 1], QString("Eva|10|0|1"));
    }

    void letterCaseOfTheMarkerCounts() {
        TExceptionHandler handler;
        handler.AppException("cannot open file x");
        QVERIFY(!handler.terminationRequested());
        QVERIFY(fakes->boxes->stops.isEmpty());
    }

    void missingMenuPictureAtStartUpEndsInOrder() {
        TempInstall install;
        install.remove("res/svg/bmp/select/bckg.svgz");
        MainSequence program(install.options());
        QCOMPARE(program.start(), MainSequence::StartResult::Running);
        QCOMPARE(program.run(), 0); // returns at once: the handler ended the program
        QCOMPARE(fakes->boxes->stops, QStringList{kInstallMessage});
        QCOMPARE(install.readScrambled("tab.dat"), (QStringList{"[1]", "Eva|10|0|1"}));
    }

private:
    std::unique_ptr<Fakes> fakes;
};

VZ_GUI_TEST_MAIN(TestErrorPolicy)
#include "test_error_policy.moc"
