// Plays the possessive pronoun drill (2b, stems and endings dragged from the
// palette) and the time preposition drill (4a, prepositions typed into one or
// two blanks) from the menu to the table with real mouse and key events.

#include "app/application.h"
#include "app/globals.h"
#include "controls/align_edit.h"
#include "controls/drag_token.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/pronouns/przajm_form.h"
#include "drills/sentences/predl_form.h"
#include "exercise/answer_text.h"
#include "screens/hint_windows.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

using namespace vz;
using namespace vz::test;

namespace {

// Presses the palette label with `caption`, moves the chip and releases it
// at `target` (form coordinates); true when the chip went and let go.
bool drag(TwndPrZajm* form, const QString& caption, QPoint target) {
    const auto labels = form->findChildren<QLabel*>(QRegularExpression("^Label(2[1-9]|3[01])$"));
    const auto source = std::find_if(labels.begin(), labels.end(), [&caption](QLabel* label) {
        return label->text() == caption;
    });
    if (source == labels.end())
        return false;
    QTest::mousePress(*source, Qt::LeftButton, {}, (*source)->rect().center());
    TDragToken* chip = form->Oval;
    if (QWidget::mouseGrabber() != chip || !chip->isVisible())
        return false;
    QTest::mouseMove(chip, chip->mapFrom(form, target));
    QTest::mouseRelease(chip, Qt::LeftButton, {}, chip->mapFrom(form, target));
    return !QWidget::mouseGrabber() && !chip->isVisible();
}

// The right stem and ending; a wrong answer takes another ending or adds one.
void answerPronoun(TwndPrZajm* form, int r, bool right) {
    const PronounRow& row = form->row(r);
    const QString stem = answers::foldAtoZ(row.Stem) == "EUR" ? "euer" : row.Stem.toLower();
    QString ending = row.Ending;
    if (!right)
        ending = ending.isEmpty() ? "e" : ending == "en" ? "em" : "en";
    const QPoint blank = form->edSlovo[r - 1]->geometry().center();
    QVERIFY(drag(form, stem, blank));
    QVERIFY(ending.isEmpty() || drag(form, "-" + ending, blank));
    QCOMPARE(przajm::isRight(row, form->blank(r)), right);
}

// Right answers are typed in capitals; a wrong row spoils its last blank only.
void answerPrepositions(TwndPredl* form, int r, bool right) {
    const TimeRow& row = form->row(r);
    const auto type = [right](TAlignEdit* field, const QString& answer, bool spoiled) {
        QTest::mouseClick(field, Qt::LeftButton);
        GamePlayer::typeText(field, spoiled && !right ? answer + "x" : answers::foldAtoZ(answer));
    };
    type(form->firstBlank[r - 1], row.Answer1, !row.TwoBlanks);
    if (row.TwoBlanks)
        type(form->secondBlank[r - 1], row.Answer2, true);
}

void answer(TExerciseForm* form, int r, bool right) {
    if (auto* pronouns = qobject_cast<TwndPrZajm*>(form))
        answerPronoun(pronouns, r, right);
    else
        answerPrepositions(static_cast<TwndPredl*>(form), r, right);
}

} // namespace

class TestPlayPrzajmPredl : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        player = std::make_unique<GamePlayer>(running->program.get(), answer);
    }
    void cleanup() {
        player.reset();
        running.reset();
    }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("withWrong"); // 15 examples with wrong ones, else 10
        for (const char* code : {"2b", "4a"}) {
            QTest::addRow("%s all right", code) << code << false;
            QTest::addRow("%s with wrong answers", code) << code << true;
        }
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(bool, withWrong);
        const int examples = withWrong ? 15 : 10;
        QVERIFY(player->start(code, examples / 5 - 1, QStringLiteral("Ľubo")));
        TwndTab* table = player->playToTable([withWrong](int) {
            return withWrong ? QSet<int>{1, 5} : QSet<int>{};
        });
        QVERIFY(table);
        QCOMPARE(player->pagesPlayed(), examples / 5);
        const int wrong = withWrong ? 2 * player->pagesPlayed() : 0;
        QCOMPARE(table->cell(0, 1)->text(), QStringLiteral("Ľubo"));
        QCOMPARE(table->cell(0, 2)->text(), QString::number(examples - wrong));
        QCOMPARE(table->cell(0, 3)->text(), QString::number(wrong));
        QVERIFY(!QWidget::mouseGrabber());
        const QString record = running->install.resultsLog();
        QVERIFY(record.contains(QStringLiteral("Počet příkladů:  %1").arg(examples)));
        QVERIFY(record.contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // Drops beside a blank change nothing; "euer" before an ending shows
    // "eur" centred in the blank and comes back when the ending is clicked
    // away; every "new" costs a page, down to 0 and no further.
    void pronounsAreBuiltInTheirBlanks() {
        auto* form = static_cast<TwndPrZajm*>(player->start("2b", 2));
        QCOMPARE(int(ExamplesLeft), 10);
        const QRect gap = form->edSlovo[0]->geometry();
        for (QPoint beside : {QPoint(gap.right() + 8, gap.y()), QPoint(300, 460), QPoint(-30, 700)})
            QVERIFY(drag(form, "euer", beside));
        for (int r = 1; r <= 5; ++r)
            QVERIFY(form->blank(r) == przajm::Blank{});
        QVERIFY(drag(form, "euer", QPoint(gap.x() + gap.width(), gap.y()))); // edges count
        QVERIFY(drag(form, "-em", gap.center()));
        TWordLabel* stem = form->placedStem[0];
        TWordLabel* ending = form->placedEnding[0];
        QCOMPARE(answers::foldAtoZ(stem->text()), QString("EUR"));
        QCOMPARE(ending->text(), QString("em"));
        QCOMPARE(ending->x(), stem->x() + stem->width());
        QVERIFY(qAbs(stem->x() - gap.x() - (gap.right() - ending->geometry().right())) <= 1);
        QTest::mouseClick(ending, Qt::LeftButton);
        QCOMPARE(answers::foldAtoZ(stem->text()), QString("EUER"));
        QVERIFY(!ending->isVisible());
        for (int expected : {5, 0, 0}) {
            QTest::mouseClick(form->newButton, Qt::LeftButton);
            QCOMPARE(int(ExamplesLeft), expected);
            QVERIFY(!stem->isVisible());
        }
        player->answerPage({2});
        QTest::mousePress(form->Vyhodn[1], Qt::LeftButton);
        QCOMPARE(running->program->hint()->Text->text(), przajm::answerSentence(form->row(2)));
        QTest::mouseRelease(form->Vyhodn[1], Qt::LeftButton);
        QVERIFY(!drag(form, "mein", gap.center())); // the palette rests after the check
    }

    // A one-blank row hides its second blank; Backspace in an empty blank
    // goes back to the blank before it, over the hidden ones.
    void oneBlankRowsHideTheSecondBlank() {
        auto* form = static_cast<TwndPredl*>(player->start("4a", 1));
        for (int deal = 0; deal < 20 && form->row(1).TwoBlanks; ++deal) {
            QTest::mouseClick(form->newButton, Qt::LeftButton);
            QCOMPARE(int(ExamplesLeft), 10); // "new" costs nothing here
        }
        QVERIFY(!form->row(1).TwoBlanks);
        QVERIFY(!form->secondBlank[0]->isVisible());
        QVERIFY(!form->lbAfter[0]->isVisible());
        QCOMPARE(form->lbMiddle[0]->x(), form->firstBlank[0]->x() + form->firstBlank[0]->width());
        QTest::mouseClick(form->firstBlank[1], Qt::LeftButton);
        QTest::keyClick(form->firstBlank[1], Qt::Key_Backspace);
        QCOMPARE(form->focusWidget(), form->firstBlank[0]);
        for (int r = 1; r <= 5; ++r) { // every sentence ends on its strip
            const QLabel* last =
                form->row(r).TwoBlanks ? form->lbAfter[r - 1] : form->lbMiddle[r - 1];
            QVERIFY(last->geometry().right() <= 82 + predl::kSentenceWidth + 2);
        }
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
};

VZ_GUI_TEST_MAIN(TestPlayPrzajmPredl)
#include "test_play_przajm_predl.moc"
