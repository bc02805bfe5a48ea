// Plays the answer drill (5b) from the menu over its questionnaire pages and
// the summary page to the table with real clicks, reopens pages before and
// after the check, and leaves the game by back from either page.

#include "app/application.h"
#include "app/globals.h"
#include "app/resources.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/sentences/odpoved_form.h"
#include "drills/sentences/odpoved_sum_form.h"
#include "screens/setup_form.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QPointer>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

QImage picture(const char* file) {
    return loadPicture(resourceFile(QString::fromLatin1(file)));
}

void clickReply(TwndOdpoved* form, int q, const QuizExample& example, bool right) {
    const int k = right ? example.CorrectOption : example.CorrectOption % 3 + 1;
    QTest::mouseClick(form->Odp[q - 1][k - 1], Qt::LeftButton);
}

void pressContinue(TExerciseForm* form) {
    QTRY_VERIFY(form->Pokr->isEnabled());
    QTest::mouseClick(form->Pokr, Qt::LeftButton);
}

// Answers every page, first the other way: only the last click counts.
// Continue shows up only once both questions of a page are answered.
void answerAllPages(TwndOdpoved* form, const QSet<int>& wrong) {
    const int count = form->Examples.size();
    for (int page = 1; page <= odpoved::pageCount(count); ++page) {
        QCOMPARE(form->Zakryti->isVisible(), 2 * page > count);
        for (int i = 2 * page - 2; i < 2 * page && i < count; ++i) {
            QVERIFY(!form->Pokr->isEnabled());
            clickReply(form, i % 2 + 1, form->Examples[i], wrong.contains(i));
            clickReply(form, i % 2 + 1, form->Examples[i], !wrong.contains(i));
        }
        pressContinue(form);
    }
}

} // namespace

class TestPlayOdpoved : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    // Question 4 is reopened from its row before the check (and made wrong
    // in the second game); afterwards the wrong mark of question 15 reopens
    // its page with the suitable reply marked and the replies closed.
    void playsThroughTheSummaryToTheTable_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("withWrong");
        QTest::newRow("10 all right") << 1 << false;
        QTest::newRow("15 with wrong answers") << 2 << true;
    }
    void playsThroughTheSummaryToTheTable() {
        QFETCH(int, choice);
        QFETCH(bool, withWrong);
        GamePlayer player(running->program.get(), {});
        auto* form = qobject_cast<TwndOdpoved*>(player.start("5b", choice, "Mia"));
        QVERIFY(form && !form->checkButton->isVisible());
        const int count = 5 + 5 * choice;
        const int wrong = withWrong ? 3 : 0;
        answerAllPages(form, withWrong ? QSet<int>{0, 14} : QSet<int>{});
        TwndOdpovedSum* summary = form->summary();
        QTRY_VERIFY(summary->isVisible());
        QCOMPARE(summary->Zakryti->isVisible(), count == 15);

        QTest::mouseClick(summary->rows[3], Qt::LeftButton);
        QTRY_VERIFY(!summary->isEnabled());
        QCOMPARE(form->CurrentPage, 2);
        clickReply(form, 2, form->Examples[3], !withWrong);
        QCOMPARE(form->img[3 + form->Examples[3].ChosenOption - 1]->picture(),
                 picture("bmp\\sw_1.bmp"));
        pressContinue(form);
        QTRY_VERIFY(summary->isEnabled());

        QTest::mouseClick(summary->checkButton, Qt::LeftButton);
        QCOMPARE(qMakePair(int(RightCount), int(WrongCount)), qMakePair(count - wrong, wrong));
        QTest::mouseClick(summary->Vyhodn[1], Qt::LeftButton); // a right mark opens nothing
        QVERIFY(summary->isEnabled());
        if (withWrong) {
            QCOMPARE(summary->Vyhodn[14]->picture(), picture("bmp\\check_ko.bmp"));
            QTest::mouseClick(summary->Vyhodn[14], Qt::LeftButton);
            QTRY_VERIFY(!summary->isEnabled());
            QVERIFY(form->CurrentPage == 8 && form->Zakryti->isVisible());
            const QuizExample& last = form->Examples[14];
            const int chosen = last.ChosenOption;
            QCOMPARE(form->Vyhodn[0]->picture(), picture("bmp\\check_ko.bmp"));
            QCOMPARE(form->img[last.CorrectOption - 1]->picture(), picture("bmp\\sw_1.bmp"));
            QCOMPARE(form->img[chosen - 1]->picture(), picture("bmp\\sw_2.bmp"));
            clickReply(form, 1, last, true);
            QTest::mouseClick(form->newButton, Qt::LeftButton); // a counted game stays
            QCOMPARE(form->Examples[14].ChosenOption, chosen);
            pressContinue(form);
            QTRY_VERIFY(summary->isEnabled());
        }
        pressContinue(summary);
        QTRY_VERIFY(GamePlayer::visibleTable() && !GamePlayer::visibleExercise());
        QCOMPARE(GamePlayer::score(GamePlayer::visibleTable()), qMakePair(count - wrong, wrong));
        QVERIFY(running->install.resultsLog().contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // Back from either page releases both forms and records nothing; new on
    // the summary first goes back to page 1 of a fresh game.
    void backLeavesTheGame_data() {
        QTest::addColumn<bool>("fromSummary");
        QTest::newRow("from a page after new") << false;
        QTest::newRow("from the summary") << true;
    }
    void backLeavesTheGame() {
        QFETCH(bool, fromSummary);
        GamePlayer player(running->program.get(), {});
        QPointer<TwndOdpoved> form = qobject_cast<TwndOdpoved*>(player.start("5b", 1));
        QPointer<TwndOdpovedSum> summary = form->summary();
        answerAllPages(form, {});
        QTRY_VERIFY(summary->isVisible());
        if (!fromSummary) {
            QTest::mouseClick(summary->newButton, Qt::LeftButton);
            QTRY_VERIFY(!summary->isVisible() && form->isEnabled());
            QVERIFY(form->CurrentPage == 1 && form->Examples[0].ChosenOption == 0);
        }
        QTest::mouseClick(fromSummary ? summary->backButton : form->backButton, Qt::LeftButton);
        QTRY_VERIFY(!form && !summary);
        QVERIFY(running->program->setup()->isVisible() && !GamePlayer::visibleTable());
        QCOMPARE(running->install.resultsLog(), QString());
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlayOdpoved)
#include "test_play_odpoved.moc"
