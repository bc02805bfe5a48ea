// Plays the word drills 7b and 7c from the menu to the table through the
// real forms, with real clicks and keys.

#include "app/application.h"
#include "app/globals.h"
#include "controls/align_edit.h"
#include "controls/drawing_tools.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/words/antonym_form.h"
#include "drills/words/skupiny_form.h"
#include "exercise/answer_text.h"
#include "screens/option_popups.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

void chooseFromList(TOptionPopup* list, const QString& word) {
    for (TExtLabel* item : list->items) {
        if (item->text() == word) {
            QTest::mouseClick(item, Qt::LeftButton);
            return;
        }
    }
}

// Takes the pencil, crosses out the odd word (or another one) and fills the blank.
void answerSkupiny(TExerciseForm* form, int r, bool right) {
    auto* skupiny = static_cast<TwndSkupiny*>(form);
    const OddRow& row = skupiny->row(r);
    QTest::mouseClick(skupiny->tools->imgTuzka, Qt::LeftButton);
    for (TWordLabel* word : skupiny->words[r - 1]) {
        if ((word->text() == row.oddWord) == right) {
            QTest::mouseClick(word, Qt::LeftButton);
            break;
        }
    }
    QTest::mousePress(skupiny->edSlovo[r - 1], Qt::LeftButton);
    chooseFromList(skupiny->moznosti, row.blankWord);
}

// Says yes to a true pair; to a false one says no and types the antonym.
// A wrong row keeps its switch untouched.
void answerAntonyma(TExerciseForm* form, int r, bool right) {
    auto* antonyma = static_cast<TwndAntonyma*>(form);
    if (!right)
        return;
    QTest::mouseClick(antonyma->Prep[r - 1], Qt::LeftButton);
    if (antonyma->row(r).isPair)
        return;
    QTest::mouseClick(antonyma->Prep[r - 1], Qt::LeftButton);
    QCOMPARE(antonyma->focusWidget(), antonyma->ed[r - 1]);
    GamePlayer::typeText(antonyma->ed[r - 1], answers::alternatives(antonyma->row(r).antonym)[0]);
}

GamePlayer::RowAnswer answerFor(const QString& code) {
    return code == "7b" ? answerSkupiny : answerAntonyma;
}

} // namespace

class TestPlayWordDrills : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    // Rows 1 and 4 of every page wrong.
    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("7b") << "7b";
        QTest::newRow("7c") << "7c";
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        GamePlayer player(running->program.get(), answerFor(code));
        QVERIFY(player.start(code, 2));
        TwndTab* table = player.playToTable([](int) { return QSet<int>{1, 4}; });
        QVERIFY(table);
        const int wrong = 2 * player.pagesPlayed();
        QCOMPARE(GamePlayer::score(table), qMakePair(15 - wrong, wrong));
    }

    // The pencil crosses, a second cross moves the line and empties the
    // blank, the eraser takes the cross back; without a tool nothing happens.
    void pencilAndEraserWorkOnTheWords() {
        GamePlayer player(running->program.get(), answerSkupiny);
        auto* form = static_cast<TwndSkupiny*>(player.start("7b", 1));
        TWordLabel* first = form->words[0][0];
        TWordLabel* second = form->words[0][1];
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(form->crossed(1), 0);
        QTest::mouseClick(form->tools->imgTuzka, Qt::LeftButton);
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(form->crossed(1), 1);
        QVERIFY(form->edSlovo[0]->isVisible());
        QTest::mousePress(form->edSlovo[0], Qt::LeftButton);
        QStringList offered;
        for (TExtLabel* item : form->moznosti->items)
            offered << item->text();
        QVERIFY(!offered.contains(first->text())); // never the crossed word
        QTest::mouseClick(form->moznosti->items[0], Qt::LeftButton);
        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(form->crossed(1), 2);
        QCOMPARE(form->edSlovo[0]->text(), QString());
        QTest::mouseClick(form->tools->imgGuma, Qt::LeftButton);
        QTest::mouseClick(first, Qt::LeftButton); // not crossed: nothing to erase
        QCOMPARE(form->crossed(1), 2);
        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(form->crossed(1), 0);
        QVERIFY(!form->edSlovo[0]->isVisible());
    }

    void theSwitchStartsAtYesAndTurnsOver() {
        GamePlayer player(running->program.get(), answerAntonyma);
        auto* form = static_cast<TwndAntonyma*>(player.start("7c", 2));
        for (AntonymSwitch expected : {AntonymSwitch::Yes, AntonymSwitch::No, AntonymSwitch::Yes}) {
            QTest::mouseClick(form->Prep[2], Qt::LeftButton);
            QCOMPARE(form->switchState(3), expected);
        }
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlayWordDrills)
#include "test_play_word_drills.moc"
