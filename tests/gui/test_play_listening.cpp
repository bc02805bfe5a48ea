// Plays the dictation (5c) and numbers-by-ear (6b) drills from the menu to
// the table through the real forms: loudspeakers clicked, answers typed with
// key events and the German letter buttons.

#include "app/application.h"
#include "controls/align_edit.h"
#include "controls/labels.h"
#include "controls/letter_buttons.h"
#include "drills/listening/diktat_cis_form.h"
#include "drills/listening/diktat_form.h"
#include "store/cp1250.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

// Clicks the row's loudspeaker; returns the field that then has the caret.
QWidget* listenTo(TListeningForm* form, int r) {
    QTest::mouseClick(form->Label[r - 1], Qt::LeftButton);
    return form->focusWidget() == form->ed[r - 1] ? form->ed[r - 1] : nullptr;
}

// Right: the sentence with the spacing faults the check forgives, German
// letters from their buttons. Wrong: the first letter in the other case.
void answerDiktat(TExerciseForm* base, int r, bool right) {
    auto* form = static_cast<TwndDiktat*>(base);
    QWidget* field = listenTo(form, r);
    QVERIFY(field);
    QString sentence = form->example(r).Answer;
    if (!right)
        sentence[0] = sentence[0].isUpper() ? sentence[0].toLower() : sentence[0].toUpper();
    sentence.replace(", ", " ,").replace(" ", "  ").replace(".", " .");
    const QString german = QString::fromUtf8("ßäëöü");
    for (QChar c : sentence) {
        if (german.contains(c))
            QTest::mouseClick(form->letters->buttons[german.indexOf(c)], Qt::LeftButton);
        else
            GamePlayer::typeText(field, QString(c));
    }
}

// Right: the numeral with blanks round it. Wrong: more after a blank.
void answerCis(TExerciseForm* base, int r, bool right) {
    auto* form = static_cast<TwndDiktatCis*>(base);
    QWidget* field = listenTo(form, r);
    QVERIFY(field);
    GamePlayer::typeText(field, right ? " " + form->number(r) + " " : form->number(r) + " 0");
}

} // namespace

class TestPlayListening : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("examples");
        for (const char* code : {"5c", "6b"}) {
            QTest::addRow("%s all right", code) << code << 10;
            QTest::addRow("%s with wrong answers", code) << code << 15;
        }
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, examples);
        bool halfCovered = false; // the five-row page covers rows 6 ... 10
        GamePlayer player(running->program.get(), [&](TExerciseForm* form, int r, bool right) {
            auto* listening = static_cast<TListeningForm*>(form);
            halfCovered |= listening->zakryti->isVisible() && !listening->ed[5]->isVisible();
            (code == "5c" ? answerDiktat : answerCis)(form, r, right);
        });
        QVERIFY(player.start(code, examples / 5 - 1, "Ema"));
        const bool withWrong = examples == 15;
        TwndTab* table = player.playToTable([withWrong](int) {
            return withWrong ? QSet<int>{1, 4} : QSet<int>{};
        });
        QVERIFY(table);
        QCOMPARE(halfCovered, withWrong);
        const int wrong = withWrong ? 4 : 0;
        QCOMPARE(GamePlayer::score(table), qMakePair(examples - wrong, wrong));
        const QString record = running->install.resultsLog();
        QVERIFY(record.startsWith("Jméno: Ema"));
        QVERIFY(record.contains(QString("Správně:  %1 ").arg(examples - wrong)));
        QVERIFY(record.contains(QString("Špatně:  %1 ").arg(wrong)));
    }

    // A loudspeaker plays its row's wave as often as clicked while the page
    // is open, a missing wave nothing; Backspace in the empty first field
    // goes round to the last; after the check nothing plays and the field
    // shows the sentence as it was judged.
    void loudspeakersPlayTheRowsWave_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("5c") << "5c";
        QTest::newRow("6b") << "6b";
    }
    void loudspeakersPlayTheRowsWave() {
        QFETCH(QString, code);
        GamePlayer player(running->program.get(), {});
        auto* form = static_cast<TListeningForm*>(player.start(code, 1));
        const auto wave = [&](int r) {
            return running->install.resDir() +
                   (code == "5c"
                        ? "/sound/dikt/" + static_cast<TwndDiktat*>(form)->example(r).SoundName
                        : "/sound/cis/" + static_cast<TwndDiktatCis*>(form)->number(r)) +
                   ".wav";
        };
        QDir().mkpath(QFileInfo(wave(1)).path());
        QFile::remove(wave(2));
        QFile made(wave(1));
        QVERIFY(made.exists() || made.open(QIODevice::WriteOnly));
        made.close();
        QStringList& played = running->fakes.sound->played;
        played.clear();
        QVERIFY(listenTo(form, 1) && listenTo(form, 1) && listenTo(form, 2));
        QCOMPARE(played, QStringList({wave(1), wave(1)}));
        form->ed[0]->setFocus();
        QTest::keyClick(form->ed[0], Qt::Key_Backspace);
        QCOMPARE(form->focusWidget(), form->ed[9]);
        GamePlayer::typeText(form->ed[0], " Das  ist ,gut .");
        QTest::mouseClick(form->checkButton, Qt::LeftButton);
        QCOMPARE(form->ed[0]->text(), QString(code == "5c" ? "Das ist, gut." : " Das  ist ,gut ."));
        played.clear(); // the check button's click
        QTest::mouseClick(form->Label[0], Qt::LeftButton);
        QVERIFY(played.isEmpty());
        QVERIFY(form->focusWidget() != form->ed[0]);
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlayListening)
#include "test_play_listening.moc"
