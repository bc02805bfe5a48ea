// Plays the word order drill (5a) and the case drill (3b) from the menu to
// the table with real mouse presses: words swapped by a press on one and a
// release on another, option buttons pressed under the blanks.

#include "app/application.h"
#include "app/globals.h"
#include "drills/sentences/pady_form.h"
#include "drills/sentences/poradek_form.h"
#include "drills/sentences/poradek_words.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

QPoint middleOf(const QWidget* word) {
    return word->geometry().center();
}

// A press on `from`, a move and the release at `to` (form coordinates), the
// move and release sent to the word that holds the mouse.
void pressMoveRelease(TwndPoradek* form, TDragLabel* from, QPoint to) {
    QTest::mousePress(from, Qt::LeftButton, {}, from->rect().center());
    QWidget* holder = QWidget::mouseGrabber();
    QVERIFY(holder);
    QTest::mouseMove(holder, holder->mapFrom(form, to));
    QTest::mouseRelease(holder, Qt::LeftButton, {}, holder->mapFrom(form, to));
    QVERIFY(!QWidget::mouseGrabber());
}

void swapWords(TwndPoradek* form, int r, int a, int b) {
    pressMoveRelease(form, form->words(r)[a], middleOf(form->words(r)[b]));
}

// Puts every word where it belongs, one swap at a time; a wrong row then
// swaps two different words.
void answerPoradek(TExerciseForm* exercise, int r, bool right) {
    auto* form = static_cast<TwndPoradek*>(exercise);
    const QStringList wanted = form->order(r).rightOrder();
    for (int i = 0; i < wanted.size(); ++i) {
        for (int j = i + 1; form->order(r).words()[i] != wanted[i] && j < wanted.size(); ++j) {
            if (!form->order(r).isFixed(j) && form->order(r).words()[j] == wanted[i])
                swapWords(form, r, i, j);
        }
    }
    QVERIFY(form->order(r).isRight());
    if (right)
        return;
    const QStringList& words = form->order(r).words();
    for (int a = 0; a < words.size(); ++a) {
        for (int b = a + 1; b < words.size(); ++b) {
            if (!form->order(r).isFixed(a) && !form->order(r).isFixed(b) && words[a] != words[b]) {
                swapWords(form, r, a, b);
                QVERIFY(!form->order(r).isRight());
                return;
            }
        }
    }
}

void pressOption(TwndPady* form, int r, const QString& option) {
    const CaseRow& row = form->row(r);
    QTest::mouseClick(row.LeftCaption() == option ? form->TlacL[r - 1] : form->TlacR[r - 1],
                      Qt::LeftButton);
    QCOMPARE(form->Slovo[r - 1]->text(), option);
}

// Right rows change their mind once: the last press counts. Row 1 of a
// wrong page stays unanswered, the others take the wrong form.
void answerPady(TExerciseForm* exercise, int r, bool right) {
    auto* form = static_cast<TwndPady*>(exercise);
    const CaseRow& row = form->row(r);
    if (right) {
        pressOption(form, r, row.OtherOption);
        pressOption(form, r, row.RightOption);
    } else if (r != 1) {
        pressOption(form, r, row.OtherOption);
    }
}

QColor colourOf(const QWidget* word) {
    return word->palette().color(QPalette::WindowText);
}

} // namespace

class TestPlayPoradekPady : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The offscreen platform cannot grab the pointer; the widget grab works all the same.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (previous &&
                    text != QLatin1String("This plugin does not support grabbing the mouse"))
                    previous(type, context, text);
            });
    }
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("examples");
        QTest::addColumn<bool>("withWrong");
        for (const char* code : {"5a", "3b"}) {
            QTest::addRow("%s all right", code) << code << 1 << 10 << false;
            QTest::addRow("%s with wrong answers", code) << code << 2 << 15 << true;
        }
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, choice);
        QFETCH(int, examples);
        QFETCH(bool, withWrong);
        GamePlayer player(running->program.get(), code == "5a" ? answerPoradek : answerPady);
        TExerciseForm* form = player.start(code, choice, "Mia");
        QVERIFY(form);
        TwndTab* table = player.playToTable([withWrong](int) {
            return withWrong ? QSet<int>{1, 4} : QSet<int>{};
        });
        QVERIFY(table);
        QCOMPARE(player.pagesPlayed(), code == "5a" ? (examples == 10 ? 1 : 2) : examples / 5);
        const int wrong = withWrong ? 2 * player.pagesPlayed() : 0;
        QCOMPARE(table->cell(0, 2)->text(), QString::number(examples - wrong));
        QCOMPARE(table->cell(0, 3)->text(), QString::number(wrong));
        QVERIFY(running->install.resultsLog().contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // The pressed word and the word under the mouse are marked; a word of
    // another row is never a target, and a release there changes nothing
    // and takes the marks away. Fixed words cannot be pressed.
    void swapsStayInTheirRow() {
        GamePlayer player(running->program.get(), answerPoradek);
        auto* form = static_cast<TwndPoradek*>(player.start("5a", 2));
        const QStringList before1 = form->order(1).words();
        const QStringList before2 = form->order(2).words();
        int a = 0;
        while (form->order(1).isFixed(a))
            ++a;
        int b = a + 1;
        while (form->order(1).isFixed(b))
            ++b;
        TDragLabel* source = form->words(1)[a];
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QWidget* holder = QWidget::mouseGrabber();
        QCOMPARE(holder, source);
        QCOMPARE(colourOf(source), TwndPoradek::kSource);
        QTest::mouseMove(holder, holder->mapFrom(form, middleOf(form->words(1)[b])));
        QCOMPARE(colourOf(form->words(1)[b]), TwndPoradek::kDropTarget);
        int c = 0;
        while (form->order(2).isFixed(c))
            ++c;
        const QPoint otherRow = middleOf(form->words(2)[c]);
        QTest::mouseMove(holder, holder->mapFrom(form, otherRow));
        QCOMPARE(colourOf(form->words(2)[c]), TwndPoradek::kMovable);
        QCOMPARE(colourOf(form->words(1)[b]), TwndPoradek::kDropTarget);
        QTest::mouseRelease(holder, Qt::LeftButton, {}, holder->mapFrom(form, otherRow));
        QCOMPARE(form->order(1).words(), before1);
        QCOMPARE(form->order(2).words(), before2);
        QVERIFY(!form->isSwapping());
        for (int i = 0; i < form->words(1).size(); ++i)
            QCOMPARE(colourOf(form->words(1)[i]),
                     form->order(1).isFixed(i) ? TwndPoradek::kFixed : TwndPoradek::kMovable);

        for (int r = 1; r <= form->PageSize; ++r) {
            for (int i = 0; i < form->words(r).size(); ++i) {
                if (!form->order(r).isFixed(i))
                    continue;
                const QStringList row = form->order(r).words();
                pressMoveRelease(form, form->words(r)[i], middleOf(form->words(r)[i == 0]));
                QVERIFY(!form->isSwapping());
                QCOMPARE(form->order(r).words(), row);
            }
        }
        swapWords(form, 1, a, b);
        QCOMPARE(form->order(1).words()[a], before1[b]);
        QCOMPARE(form->words(1)[b]->text(), before1[a]);
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlayPoradekPady)
#include "test_play_poradek_pady.moc"
