#include "app/application.h"
#include "app/globals.h"
#include "app/resources.h"
#include "app/scr_res_changer.h"
#include "app/stage_image.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "screens/backdrop.h"
#include "screens/help_window.h"
#include "screens/select_form.h"
#include "screens/setup_form.h"
#include "support/running_program.h"

#include <QClipboard>
#include <QFile>
#include <QTest>

using namespace vz;
using namespace vz::test;

class TestSetupPage : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>();
        program = running->program.get();
        fakes = &running->fakes;
        install = &running->install;
    }
    void cleanup() { running.reset(); }

    void nameThenCountRevealsContinueAtTheCount() {
        TwndSetup* setup = open(1, 1);
        QVERIFY(!setup->Pokr->isEnabled() && !setup->Tisk->isEnabled());
        QTest::keyClicks(setup->edJmeno, "Eva");
        QVERIFY(!setup->ContinueShown);
        QVERIFY(!setup->PrintShown);
        QTest::mouseClick(setup->img[2], Qt::LeftButton);
        QCOMPARE(setup->ChosenCount, quint8(20));
        QVERIFY(setup->ContinueShown && setup->Pokr->isEnabled());
        QVERIFY(setup->PrintShown && setup->Tisk->isEnabled());
        QCOMPARE(setup->imgPriklady->picture(),
                 loadPicture(ResourceDir + "bmp/setup/sipka_20.bmp"));
    }

    void countThenNameRevealsContinueAtTheFirstCharacter() {
        TwndSetup* setup = open(1, 1);
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        QVERIFY(!setup->ContinueShown);
        QVERIFY(setup->PrintShown); // count chosen, name empty
        QTest::keyClick(setup->edJmeno, Qt::Key_J);
        QVERIFY(setup->ContinueShown);
        QTest::keyClick(setup->edJmeno, Qt::Key_Backspace); // emptied again
        QVERIFY(!setup->ContinueShown);
        QVERIFY(!setup->Pokr->isEnabled());
        QVERIFY(setup->PrintShown);
    }

    void blankNameKeepsContinueUntilACountIsChosen() {
        TwndSetup* setup = open(1, 1);
        QTest::keyClicks(setup->edJmeno, "   ");
        QVERIFY(!setup->ContinueShown);
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        QVERIFY(setup->ContinueShown); // the test looks at the untrimmed text
        QCOMPARE(PupilName, QString());
    }

    void barInTheNameIsRefusedWhenTypedAndOnContinue() {
        TwndSetup* setup = open(1, 1);
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        QTest::keyClicks(setup->edJmeno, "a|b");
        QCOMPARE(fakes->boxes->stops, (QStringList{"Meno nesmie obsahovať znak \"|\"",
                                                   "Meno nesmie obsahovať znak \"|\""}));
        QCOMPARE(setup->edJmeno->text(), QString("a|b"));
        fakes->boxes->stops.clear();
        setup->Pokr->setEnabled(true);
        const int forms = Stage()->findChildren<TStageForm*>().size();
        QTest::mouseClick(setup->Pokr, Qt::LeftButton);
        QCOMPARE(fakes->boxes->stops.size(), 1);
        QCOMPARE(Stage()->findChildren<TStageForm*>().size(), forms); // no exercise form
    }

    void lettersOutsideTheCodePageCannotBeTyped() {
        TwndSetup* setup = open(1, 1);
        QKeyEvent omega(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("Ω"));
        QApplication::sendEvent(setup->edJmeno, &omega);
        QKeyEvent umlaut(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ö"));
        QApplication::sendEvent(setup->edJmeno, &umlaut);
        QCOMPARE(setup->edJmeno->text(), QStringLiteral("ö"));
    }

    // A pasted line break would split the pupil's row in tab.dat; NUL would cut the file.
    void pastedControlCharactersAreTakenOut() {
        TwndSetup* setup = open(1, 1);
        QApplication::clipboard()->setText(QString("Ja\nna\r\t") + QChar(0) + "Nová");
        QTest::keyClick(setup->edJmeno, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(setup->edJmeno->text(), QStringLiteral("JanaNová"));
        QCOMPARE(PupilName, QStringLiteral("JanaNová"));
    }

    void countsFollowTheGame_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("1a") << 1 << 1 << QList<int>{10, 15, 20, 25, 30};
        QTest::newRow("3a") << 3 << 1 << QList<int>{9, 18, 27, 36, 45};
        QTest::newRow("4d") << 4 << 4 << QList<int>{9, 18, 27, 36, 45};
        QTest::newRow("7a") << 7 << 1 << QList<int>{9, 18, 27, 36, 45};
        QTest::newRow("7d") << 7 << 4 << QList<int>{12, 24, 36, 48, 0};
        QTest::newRow("6d") << 6 << 4 << QList<int>{10, 0, 20, 0, 30};
    }
    void countsFollowTheGame() {
        QFETCH(int, group);
        QFETCH(int, position);
        QFETCH(QList<int>, counts);
        TwndSetup* setup = open(group, position);
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(setup->img[k - 1]->isVisible(), counts[k - 1] != 0);
            if (counts[k - 1] == 0)
                continue;
            QTest::mouseClick(setup->img[k - 1], Qt::LeftButton);
            QCOMPARE(int(setup->ChosenCount), counts[k - 1]);
        }
    }

    void printIsHiddenForTheListeningAndVocabularyGames() {
        QVERIFY(!open(5, 3)->Tisk->isVisible());
        leave();
        QVERIFY(!open(6, 2)->Tisk->isVisible());
        leave();
        QVERIFY(!open(7, 5)->Tisk->isVisible());
        leave();
        QVERIFY(open(7, 4)->Tisk->isVisible());
    }

    void printWithoutTheLibrarySaysSoAndGoesOn() {
        TwndSetup* setup = open(1, 1);
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        QTest::mouseClick(setup->Tisk, Qt::LeftButton);
        QCOMPARE(fakes->boxes->stops,
                 QStringList{QStringLiteral("Nebola nájdená tlačová knižnica \"Ravad.dll\".")});
        QVERIFY(ScrResChanger && ScrResChanger->Attached);
        QVERIFY(setup->isVisible());
    }

    void printCallsTheGamesEntryPointWithNameGameAndCount_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("trimmed name")
            << QStringLiteral("  Eva Nováková ") << QByteArray("Hra1|12|Eva Nov\xE1kov\xE1|1|20");
        QTest::newRow("no name: one blank") << QString() << QByteArray("Hra1|1| |1|20");
    }
    void printCallsTheGamesEntryPointWithNameGameAndCount() {
        QFETCH(QString, name);
        QFETCH(QByteArray, expected);
        QFile::copy(VZ_FAKE_PRINT_LIBRARY, install->resDir() + "/libRavad.so");
        const QString record = install->path("print.txt");
        qputenv("VZ_PRINT_RECORD", record.toLocal8Bit());
        TwndSetup* setup = open(1, 1);
        setup->edJmeno->setText(name);
        QTest::mouseClick(setup->img[2], Qt::LeftButton);
        QTest::mouseClick(setup->Tisk, Qt::LeftButton);
        QVERIFY(fakes->boxes->stops.isEmpty());
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
        QVERIFY(ScrResChanger->Attached);
    }

    void libraryWithoutTheGamesEntryPointIsNotCalled() {
        QFile::copy(VZ_FAKE_PRINT_LIBRARY, install->resDir() + "/libRavad.so");
        const QString record = install->path("print.txt");
        qputenv("VZ_PRINT_RECORD", record.toLocal8Bit());
        TwndSetup* setup = open(1, 3); // 1c: the stand-in has no Hra3
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        QTest::mouseClick(setup->Tisk, Qt::LeftButton);
        QVERIFY(!QFile::exists(record));
        QVERIFY(fakes->boxes->stops.isEmpty());
    }

    void helpSwitchAndHeader() {
        TwndSetup* setup = open(1, 1);
        QTest::mouseClick(setup->imgNapoveda, Qt::LeftButton);
        QVERIFY(setup->HelpOn);
        QTest::mouseClick(setup->imgNapoveda, Qt::LeftButton);
        QVERIFY(!setup->HelpOn);
        QTest::mouseClick(setup->lbZahlavi, Qt::LeftButton);
        QVERIFY(program->help()->isVisible());
        QCOMPARE(program->help()->Background, loadPicture(ResourceDir + "bmp/help/setup.bmp"));
    }

    void continueWithHelpOnShowsTheGameHelpOverTheExercise() {
        install->useBuiltContent();
        TwndSetup* setup = open(1, 1);
        DataList = install->readScrambled("data.dat");
        QTest::keyClicks(setup->edJmeno, "Eva");
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        QTest::mouseClick(setup->imgNapoveda, Qt::LeftButton);
        QTest::mouseClick(setup->Pokr, Qt::LeftButton);
        QCOMPARE(ExamplesLeft, quint8(0)); // one page of ten dealt at once
        QVERIFY(program->help()->isVisible());
        QCOMPARE(Stage()->childAt(300, 300), program->help());
    }

    void gameWithoutAFormDoesNothingVisible() {
        TwndSetup* setup = open(6, 4);
        setup->startGame = [](const GameInfo&, QWidget*) -> TStageForm* { return nullptr; };
        QTest::keyClicks(setup->edJmeno, "Eva");
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        const int forms = Stage()->findChildren<TStageForm*>().size();
        QTest::mouseClick(setup->Pokr, Qt::LeftButton);
        QCOMPARE(Stage()->findChildren<TStageForm*>().size(), forms);
        QVERIFY(setup->isVisible());
        QVERIFY(fakes->boxes->stops.isEmpty());
    }

    void prepareResetsThePageForTheNextGame() {
        TwndSetup* setup = open(1, 1);
        QTest::keyClicks(setup->edJmeno, "Eva");
        QTest::mouseClick(setup->img[0], Qt::LeftButton);
        QTest::mouseClick(setup->imgNapoveda, Qt::LeftButton);
        QTest::mouseClick(setup->backButton, Qt::LeftButton);
        QTRY_VERIFY(program->select()->isVisible());
        open(1, 3);
        QCOMPARE(setup->edJmeno->text(), QString());
        QCOMPARE(setup->ChosenCount, quint8(0));
        QVERIFY(!setup->ContinueShown && !setup->PrintShown && !setup->HelpOn);
    }

private:
    void leave() {
        program->setup()->BackClick();
        QTRY_VERIFY(program->select()->isVisible());
    }

    TwndSetup* open(int group, int position) {
        QTest::mouseClick(program->select()->GroupButtons[group - 1], Qt::LeftButton);
        QTest::mouseClick(program->select()->GameButtons[position - 1], Qt::LeftButton);
        return program->setup();
    }

    std::unique_ptr<RunningProgram> running;
    MainSequence* program = nullptr;
    Fakes* fakes = nullptr;
    TempInstall* install = nullptr;
};

VZ_GUI_TEST_MAIN(TestSetupPage)
#include "test_setup_page.moc"
