// Plays the error drills (2a, 4b) and the question word drill (2c) from the
// menu to the table through the real forms, with real clicks and keys.

#include "app/application.h"
#include "app/stage_image.h"
#include "controls/align_edit.h"
#include "controls/drawing_tools.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/pronouns/oszajm_form.h"
#include "drills/pronouns/tazzajm_form.h"
#include "screens/hint_windows.h"
#include "screens/windows.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

// A sentence with an error: yes, the pencil under the wrong words, the
// correction typed (a wrong row adds a space). A right sentence: no (a wrong
// row leaves the switch at yes).
void answerOsZajm(TExerciseForm* form, int r, bool right) {
    auto* drill = static_cast<TwndOsZajm*>(form);
    QTest::mouseClick(drill->Prep[r - 1], Qt::LeftButton);
    if (!drill->row(r).hasError) {
        if (right)
            QTest::mouseClick(drill->Prep[r - 1], Qt::LeftButton);
        return;
    }
    QTest::mouseClick(drill->tools->imgTuzka, Qt::LeftButton);
    for (int k = 0; k < drill->tokens(r).size(); ++k) {
        if (drill->tokens(r)[k].wrong)
            QTest::mouseClick(drill->words(r)[k], Qt::LeftButton);
    }
    QCOMPARE(drill->focusWidget(), drill->ed[r - 1]);
    GamePlayer::typeText(drill->ed[r - 1], drill->row(r).correctWord + (right ? "" : " "));
}

// The case of a ... z and spaces around the word do not matter; another word
// does (so does the case of an umlaut: "über wen" is not "Über wen").
void answerTazZajm(TExerciseForm* form, int r, bool right) {
    auto* drill = static_cast<TwndTazZajm*>(form);
    const QString word = drill->row(r).questionWord;
    QString lower = word;
    for (QChar& c : lower) {
        if (c.unicode() < 128)
            c = c.toLower();
    }
    GamePlayer::typeText(drill->ed[r - 1], right ? " " + lower + " " : word + "n");
}

} // namespace

class TestPlayPronounDrills : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("examples");
        QTest::addColumn<bool>("withWrong");
        for (const char* code : {"2a", "4b", "2c"}) {
            QTest::addRow("%s all right", code) << code << 1 << 10 << false;
            QTest::addRow("%s with wrong answers", code) << code << 2 << 15 << true;
        }
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, choice);
        QFETCH(int, examples);
        QFETCH(bool, withWrong);
        GamePlayer player(running->program.get(), code == "2c" ? answerTazZajm : answerOsZajm);
        QVERIFY(player.start(code, choice, "Ema"));
        TwndTab* table = player.playToTable([withWrong](int) {
            return withWrong ? QSet<int>{1, 4} : QSet<int>{};
        });
        QVERIFY(table);
        const int wrong = withWrong ? 2 * player.pagesPlayed() : 0;
        QCOMPARE(table->cell(0, 2)->text(), QString::number(examples - wrong));
        QCOMPARE(table->cell(0, 3)->text(), QString::number(wrong));
        QVERIFY(running->install.resultsLog().contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // Without a tool nothing is underlined; the pencil draws a red line
    // under the word, the eraser gives the background back; punctuation
    // stands right at its word and is never underlined.
    void pencilAndEraserMarkWords() {
        GamePlayer player(running->program.get(), answerOsZajm);
        auto* form = static_cast<TwndOsZajm*>(player.start("2a", 1));
        const int r = 1; // every sentence ends with a punctuation mark
        TWordLabel* word = form->words(r)[0];
        TWordLabel* mark = form->words(r).last();
        const TWordLabel* before = form->words(r)[form->words(r).size() - 2];
        QCOMPARE(mark->x(), before->x() + before->width());
        const QPoint under(word->x() + word->width() / 2, word->y() + word->height() - 1);
        const QRgb clean = stagePixel(form->Background, under);
        QTest::mouseClick(word, Qt::LeftButton);
        QVERIFY(!form->isUnderlined(r, 0));
        QTest::mouseClick(form->tools->imgTuzka, Qt::LeftButton);
        QTest::mouseClick(word, Qt::LeftButton);
        QTest::mouseClick(mark, Qt::LeftButton);
        QVERIFY(form->isUnderlined(r, 0));
        QVERIFY(!form->isUnderlined(r, form->words(r).size() - 1));
        QCOMPARE(stagePixel(form->Background, under), qRgb(255, 0, 0));
        QTest::mouseClick(form->tools->imgGuma, Qt::LeftButton);
        QTest::mouseClick(word, Qt::LeftButton);
        QVERIFY(!form->isUnderlined(r, 0));
        QCOMPARE(stagePixel(form->Background, under), clean);
    }

    // An unanswered page is all wrong; a pressed mark shows the wrong word
    // and the corrected sentence, or that the sentence has no error.
    void marksShowTheCorrectAnswer() {
        GamePlayer player(running->program.get(), answerOsZajm);
        auto* form = static_cast<TwndOsZajm*>(player.start("4b", 1));
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        for (int r = 1; r <= form->PageSize; ++r) {
            QTest::mousePress(form->Vyhodn[r - 1], Qt::LeftButton);
            const ErrorRow& row = form->row(r);
            if (row.hasError) {
                QVERIFY(wndHint2->isVisible());
                QCOMPARE(wndHint2->DownText->text(), oszajm::answerSecondLine(row));
            } else {
                QCOMPARE(wndHint->Text->text(), QString("Vo vete nie je žiadna chyba."));
            }
            QTest::mouseRelease(form->Vyhodn[r - 1], Qt::LeftButton);
            QVERIFY(!wndHint->isVisible() && !wndHint2->isVisible());
        }
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlayPronounDrills)
#include "test_play_pronoun_drills.moc"
