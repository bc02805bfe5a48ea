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
#include "support/game_player.h"
#include "support/running_program.h"

#include <QTest>
#include <numeric>

using namespace vz;
using namespace vz::test;

namespace {

// Clicks the row's field and types the right answer (or a wrong one);
// ß, ä, ë, ö and ü go through the buttons.
void answerTyped(TExerciseForm* exercise, int r, bool right) {
    auto* form = static_cast<TTypedAnswerForm*>(exercise);
    QString text;
    if (auto* vzor = qobject_cast<TwndVzorEdit*>(form))
        text = vzor->row(r).answer;
    else if (auto* perf = qobject_cast<TwndPerf*>(form))
        text = answers::foldAtoZ(perf->row(r).answer); // capitals of a ... z are forgiven
    else
        text = answers::alternatives(static_cast<TwndRozkaz*>(form)->row(r).answer).last();
    QTest::mouseClick(form->ed[r - 1], Qt::LeftButton);
    for (QChar c : right ? text : text + "x") {
        const qsizetype button = QStringLiteral("ßäëöü").indexOf(c);
        if (button >= 0)
            QTest::mouseClick(form->letters->buttons[button], Qt::LeftButton);
        else
            GamePlayer::typeText(form->ed[r - 1], QString(c));
    }
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

    // Row 2 of every page wrong; the rows below a short page hidden (3d
    // without their marks, its short page has no cover); every scene of 1e
    // with its people named and one or two pictures.
    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("pageSizes");
        QTest::newRow("1b") << "1b" << QList<int>{10, 5};
        QTest::newRow("1d") << "1d" << QList<int>{10, 5};
        QTest::newRow("3d") << "3d" << QList<int>{10, 5};
        QTest::newRow("1e") << "1e" << QList<int>{5, 5, 5};
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        auto* form = static_cast<TTypedAnswerForm*>(player->start(code, 2));
        QVERIFY(form);
        QList<int> sizes;
        QStringList faults;
        TwndTab* table = player->playToTable([&](int) {
            sizes << form->PageSize;
            auto* perf = qobject_cast<TwndPerf*>(form);
            for (int r = form->PageSize + 1; r <= form->ed.size(); ++r) {
                if (form->ed[r - 1]->isVisible() || (perf && (perf->lbWord[r - 1]->isVisible() ||
                                                              form->Vyhodn[r - 1]->isVisible())))
                    faults << QString("row %1 shown").arg(r);
            }
            auto* scenes = qobject_cast<TwndRozkaz*>(form);
            for (int r = 1; scenes && r <= form->PageSize; ++r) {
                const QString scene = scenes->lbVzor[r - 1]->text() +
                                      scenes->lbBefore[r - 1]->text() +
                                      scenes->lbAfter[r - 1]->text();
                if (scene.contains('$') || scene.contains('%') || scenes->pictures(r).isEmpty() ||
                    scenes->pictures(r).size() > 2)
                    faults << scene;
            }
            return QSet<int>{2};
        });
        QVERIFY(table);
        QTEST(sizes, "pageSizes");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        const int pages = int(sizes.size());
        const int examples = std::accumulate(sizes.begin(), sizes.end(), 0);
        QCOMPARE(GamePlayer::score(table), qMakePair(examples - pages, pages));
    }

    // Enter moves on, Backspace in an empty field moves back, the letter
    // buttons type at the caret; nothing changes an answer after the check.
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
        QTest::mouseClick(form->letters->buttons[4], Qt::LeftButton);
        QCOMPARE(form->ed[1]->text(), QStringLiteral("abü"));
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(form->focusWidget(), form->edCaret);
        QTest::mouseClick(form->ed[1], Qt::LeftButton);
        GamePlayer::typeText(form->ed[1], "x");
        QTest::keyClick(form->ed[1], Qt::Key_Backspace);
        QTest::mouseClick(form->letters->buttons[0], Qt::LeftButton);
        QCOMPARE(form->ed[1]->text(), QStringLiteral("abü"));
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
};

VZ_GUI_TEST_MAIN(TestPlayTypedVerbs)
#include "test_play_typed_verbs.moc"
