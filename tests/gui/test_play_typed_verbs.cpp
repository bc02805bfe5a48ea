// Plays the typing drills of the verb group (1b, 1d, 3d, 1e) from the menu to
// the table through the real forms: answers are typed key by key, the
// German letters through the letter buttons.

#include "app/application.h"
#include "app/globals.h"
#include "controls/align_edit.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "controls/letter_buttons.h"
#include "drills/verbs/perf_form.h"
#include "drills/verbs/rozkaz_form.h"
#include "drills/verbs/vzor_edit_form.h"
#include "exercise/answer_text.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

// Clicks the row's field and types the text; ß, ä, ë, ö and ü go through the buttons.
void typeInto(TTypedAnswerForm* form, int r, const QString& text) {
    QTest::mouseClick(form->ed[r - 1], Qt::LeftButton);
    const QString buttonLetters = QStringLiteral("ßäëöü");
    for (QChar c : text) {
        const qsizetype button = buttonLetters.indexOf(c);
        if (button >= 0)
            QTest::mouseClick(form->letters->buttons[button], Qt::LeftButton);
        else
            GamePlayer::typeText(form->ed[r - 1], QString(c));
    }
}

QString rightAnswer(TExerciseForm* form, int r) {
    if (auto* vzor = qobject_cast<TwndVzorEdit*>(form))
        return vzor->row(r).answer;
    if (auto* perf = qobject_cast<TwndPerf*>(form))
        return answers::foldAtoZ(perf->row(r).answer); // capitals of a ... z are forgiven
    return answers::alternatives(static_cast<TwndRozkaz*>(form)->row(r).answer).last();
}

void answerTyped(TExerciseForm* form, int r, bool right) {
    auto* typed = static_cast<TTypedAnswerForm*>(form);
    typeInto(typed, r, right ? rightAnswer(form, r) : rightAnswer(form, r) + "x");
}

} // namespace

class TestPlayTypedVerbs : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        player = std::make_unique<GamePlayer>(running->program.get(), answerTyped);
    }
    void cleanup() {
        player.reset();
        running.reset();
    }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("examples");
        QTest::addColumn<bool>("withWrong");
        for (const char* code : {"1b", "1d", "3d", "1e"}) {
            QTest::addRow("%s all right", code) << code << 1 << 10 << false;
            QTest::addRow("%s with wrong answers", code) << code << 2 << 15 << true;
        }
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, choice);
        QFETCH(int, examples);
        QFETCH(bool, withWrong);
        QVERIFY(player->start(code, choice, "Mia"));
        TwndTab* table = player->playToTable([withWrong](int) {
            return withWrong ? QSet<int>{2} : QSet<int>{}; // row 2 of every page
        });
        QVERIFY(table);
        const int wrong = withWrong ? player->pagesPlayed() : 0;
        QCOMPARE(table->cell(0, 1)->text(), QString("Mia"));
        QCOMPARE(table->cell(0, 2)->text(), QString::number(examples - wrong));
        QCOMPARE(table->cell(0, 3)->text(), QString::number(wrong));
        QFile log(running->install.dataDir() + "/Vysledky.dat");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString record = cp1250::decode(log.readAll());
        QVERIFY(record.contains(QStringLiteral("Počet příkladů:  %1").arg(examples)));
        QVERIFY(record.contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // The keys of the answer fields: Enter moves on, Backspace in an empty
    // field moves back, nothing changes an answer after the check.
    void answerFieldsFollowTheKeyboardRules() {
        auto* form = static_cast<TTypedAnswerForm*>(player->start("1b", 1));
        QCOMPARE(form->focusWidget(), form->ed[0]);
        QTest::keyClick(form->ed[0], Qt::Key_Return);
        QTRY_COMPARE(form->focusWidget(), form->ed[1]);
        QTest::keyClick(form->ed[1], Qt::Key_Return);
        QTRY_COMPARE(form->focusWidget(), form->ed[2]);
        QTest::keyClick(form->ed[2], Qt::Key_Backspace);
        QCOMPARE(form->focusWidget(), form->ed[1]);
        GamePlayer::typeText(form->ed[1], "ab");
        QTest::mouseClick(form->letters->buttons[4], Qt::LeftButton); // ü at the caret
        QCOMPARE(form->ed[1]->text(), QStringLiteral("abü"));
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(form->focusWidget(), form->edCaret);
        QTest::mouseClick(form->ed[1], Qt::LeftButton);
        GamePlayer::typeText(form->ed[1], "x");
        QTest::keyClick(form->ed[1], Qt::Key_Backspace);
        QTest::mouseClick(form->letters->buttons[0], Qt::LeftButton);
        QCOMPARE(form->ed[1]->text(), QStringLiteral("abü"));
    }

    // 25 examples of 3d: pages of 10, 10 and 5; the last one on its own background.
    void aFiveRowPageHidesTheLowerRows() {
        auto* form = static_cast<TwndPerf*>(player->start("3d", 4));
        player->answerPage();
        player->pressContinue();
        player->answerPage();
        player->pressContinue();
        QCOMPARE(form->PageSize, 5);
        QVERIFY(form->ed[4]->isVisible());
        QVERIFY(!form->ed[5]->isVisible());
        QVERIFY(!form->lbWord[5]->isVisible());
        QVERIFY(!form->Vyhodn[5]->isVisible());
    }

    // Every page of 1e names its people afresh, never one name twice.
    void scenesGetTheirNamesAndPictures() {
        auto* form = static_cast<TwndRozkaz*>(player->start("1e", 1));
        for (int page = 1; page <= 2; ++page) {
            for (int r = 1; r <= 5; ++r) {
                const QString scene = form->lbVzor[r - 1]->text() + form->lbBefore[r - 1]->text() +
                                      form->lbAfter[r - 1]->text();
                QVERIFY2(!scene.contains('$') && !scene.contains('%'), qPrintable(scene));
                QVERIFY(!form->pictures(r).isEmpty());
                QVERIFY(form->pictures(r).size() <= 2);
            }
            player->answerPage();
            player->pressContinue();
        }
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
};

VZ_GUI_TEST_MAIN(TestPlayTypedVerbs)
#include "test_play_typed_verbs.moc"
