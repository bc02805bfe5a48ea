#include "app/application.h"
#include "app/globals.h"
#include "app/resources.h"
#include "controls/labels.h"
#include "screens/help_window.h"
#include "screens/select_form.h"
#include "screens/setup_form.h"
#include "support/picture_compare.h"
#include "support/running_program.h"

#include <QPainter>
#include <QTest>

using namespace vz;
using namespace vz::test;

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>();
        program = running->program.get();
        fakes = &running->fakes;
        menu = program->select();
    }
    void cleanup() { running.reset(); }

    void groupShowsItsGamesAndHighlightsItself() {
        QTest::mouseClick(menu->GroupButtons[0], Qt::LeftButton);
        const QImage highlighted = picture("bmp/select/l_1_1.bmp");
        QVERIFY(alike(stagePixel(menu->Background, QPoint(8 + 150, 103 + 23)),
                      stagePixel(highlighted, QPoint(150, 23))));
        QCOMPARE(GameGroup, quint8(1));
        const QVector<int> tops{133, 189, 234, 280, 326, 371};
        for (int j = 0; j < 6; ++j) {
            QCOMPARE(menu->GameButtons[j]->y(), tops[j]);
            QVERIFY(menu->GameButtons[j]->height() > 0);
        }
        QTest::mouseClick(menu->GroupButtons[0], Qt::LeftButton); // twice: still the same
        QVERIFY(alike(stagePixel(menu->Background, QPoint(8 + 150, 103 + 23)),
                      stagePixel(highlighted, QPoint(150, 23))));
        QVERIFY(menu->GameButtons[5]->height() > 0);
    }

    void switchingGroupsRestoresTheOldGroupPicture() {
        QTest::mouseClick(menu->GroupButtons[0], Qt::LeftButton);
        QTest::mouseClick(menu->GroupButtons[1], Qt::LeftButton);
        const QImage plain = picture("bmp/select/l_1_0.bmp");
        QVERIFY(alike(stagePixel(menu->Background, QPoint(8 + 150, 103 + 23)),
                      stagePixel(plain, QPoint(150, 23))));
        for (int j = 3; j < 6; ++j)
            QCOMPARE(menu->GameButtons[j]->height(), 0); // group 2 has three games
        QCOMPARE(menu->GameButtons[1]->y(), 234);
    }

    // Before a group is chosen the game area invites to pick a group; once one is,
    // the invitation to pick a game takes its place, above the game buttons.
    void choosingAGroupInvitesToPickAGame() {
        const QRect at = TwndSelect::gamePromptArea();
        const QImage prompt = picture("bmp/select/vyber_hru.bmp");
        QCOMPARE(stageSize(prompt), at.size());
        QVERIFY(TwndSelect::gameArea().contains(at));
        QCOMPARE(shown(at), stageCopy(picture("bmp/select/bckg.bmp"), at));
        QVERIFY(shown(at) != prompt);
        for (int group = 1; group <= 7; ++group) {
            QTest::mouseClick(menu->GroupButtons[group - 1], Qt::LeftButton);
            QVERIFY(alike(shown(at), prompt));
            for (TBMPLabel* button : menu->GameButtons)
                QVERIFY(!button->geometry().intersects(at));
        }
    }

    // The buttons of the group chosen before leave no picture behind: outside
    // the new group's buttons the game area is the clean background with the
    // invitation to pick a game.
    void switchingGroupsLeavesOnlyTheNewGroupsButtons() {
        const QRect area = TwndSelect::gameArea();
        QImage clean = shown(area);
        QPainter(&clean).drawImage(TwndSelect::gamePromptArea().topLeft() - area.topLeft(),
                                   picture("bmp/select/vyber_hru.bmp"));
        for (int first = 1; first <= 7; ++first) {
            for (int second = 1; second <= 7; ++second) {
                QTest::mouseClick(menu->GroupButtons[first - 1], Qt::LeftButton);
                QTest::mouseClick(menu->GroupButtons[second - 1], Qt::LeftButton);
                QRegion buttons;
                for (TBMPLabel* button : menu->GameButtons)
                    buttons += button->geometry().translated(-area.topLeft());
                const QImage now = shown(area);
                for (int y = 0; y < area.height(); ++y) {
                    for (int x = 0; x < area.width(); ++x) {
                        if (!buttons.contains(QPoint(x, y)) &&
                            !alike(stagePixel(now, QPoint(x, y)), stagePixel(clean, QPoint(x, y))))
                            QFAIL(qPrintable(QString("group %1 then %2: pixel %3,%4")
                                                 .arg(first)
                                                 .arg(second)
                                                 .arg(x)
                                                 .arg(y)));
                    }
                }
            }
        }
    }

    void gameButtonShowsItsHoverPicture() {
        QTest::mouseClick(menu->GroupButtons[3], Qt::LeftButton);
        TBMPLabel* button = menu->GameButtons[2];
        QCOMPARE(fakes->sound->played, QStringList{ClickSound});
        fakes->sound->played.clear();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(*button->shownPicture(), picture("bmp/select/r_4c_1.bmp"));
        QCOMPARE(fakes->sound->played, QStringList{EnterSound});
    }

    void choosingAGameOpensItsSetUpPage() {
        QTest::mouseClick(menu->GroupButtons[3], Qt::LeftButton);
        QTest::mouseClick(menu->GameButtons[2], Qt::LeftButton);
        QCOMPARE(GameNumber, quint8(16));
        QCOMPARE(GameLetter, QChar('c'));
        QVERIFY(program->setup()->isVisible());
        QVERIFY(!menu->isVisible());
        QCOMPARE(stageSize(program->setup()->Background), QSize(640, 480));
        program->setup()->BackClick();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(GameGroup, quint8(4)); // the menu kept its group
        QVERIFY(menu->GameButtons[3]->height() > 0);
    }

    void headerShowsTheAuthors() {
        QTest::mouseClick(menu->lbZahlavi, Qt::LeftButton);
        QVERIFY(program->help()->isVisible());
        QTest::keyClick(program->help(), Qt::Key_A);
        QVERIFY(!program->help()->isVisible());
    }

    void answeringNoToTheExitQuestionChangesNothing() {
        QTest::mouseClick(menu->GroupButtons[2], Qt::LeftButton);
        const QImage before = menu->Background;
        fakes->boxes->answerYes = false;
        QTest::mouseClick(menu->exitButton, Qt::LeftButton);
        QCOMPARE(fakes->boxes->questions.size(), 1);
        QCOMPARE(menu->Background, before);
        QVERIFY(menu->isVisible());
        QCOMPARE(GameGroup, quint8(3));
    }

private:
    static QImage picture(const QString& file) { return loadPicture(ResourceDir + file); }
    QImage shown(const QRect& rect) const { return stageCopy(menu->Background, rect); }

    std::unique_ptr<RunningProgram> running;
    MainSequence* program = nullptr;
    Fakes* fakes = nullptr;
    TwndSelect* menu = nullptr;
};

VZ_GUI_TEST_MAIN(TestMenu)
#include "test_menu.moc"
