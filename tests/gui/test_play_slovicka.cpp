// Plays the vocabulary game 7e from the menu over the topic page to the
// table, with real clicks on the topics and real drags of the tiles.

#include "app/application.h"
#include "app/globals.h"
#include "app/resources.h"
#include "app/scr_res_changer.h"
#include "app/stage_image.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/words/slovicka_form.h"
#include "drills/words/slovicka_topics_form.h"
#include "screens/hint_windows.h"
#include "screens/windows.h"
#include "store/cp1250.h"
#include "store/section_reader.h"
#include "support/game_player.h"
#include "support/mouse_drags.h"
#include "support/picture_compare.h"
#include "support/running_program.h"

#include <QFile>
#include <QTest>

using namespace vz;
using namespace vz::test;
using drags::Mishap;

namespace {

// The tile of the page showing `word` that does not lie in a slot yet.
TMujPanel* tileWith(TwndSlovicka* form, const QString& word) {
    for (int k = 1; k <= form->PageSize; ++k) {
        if (form->tileText(k) == word && !form->Tiles[k - 1]->Placed)
            return form->Tiles[k - 1];
    }
    return nullptr;
}

bool dragTile(TwndSlovicka* form, TMujPanel* tile, QPoint target, Mishap mishap = Mishap::None) {
    return tile && drags::drag(form, tile, QPoint(40, 10), target, mishap);
}

QPoint slotCentre(TwndSlovicka* form, int r) {
    return form->lbSlot[r - 1]->geometry().center();
}

// Right: the row's own tile into its slot. Wrong (rows 1 and 4): row 1
// stays empty and row 4 gets the tile of row 1.
void answerRow(TExerciseForm* f, int r, bool right) {
    auto* form = static_cast<TwndSlovicka*>(f);
    if (!right && r == 1)
        return;
    QVERIFY(
        dragTile(form, tileWith(form, form->example(right ? r : 1).answer), slotCentre(form, r)));
}

QSet<QString> promptsOf(const QString& topic) {
    QSet<QString> prompts;
    for (const QString& line : readSection(DataList, "[7e-" + topic + "]"))
        prompts.insert(line.section('|', 0, 0).trimmed());
    return prompts;
}

} // namespace

class TestPlaySlovicka : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() {
        running.reset();
        qunsetenv("VZ_PRINT_RECORD");
    }

    // "Škola" (21 words) and "Farby" (17) ticked: the words come from both,
    // none twice; 25 examples end on a page of five rows.
    void playsTwoTopicsToTheTable_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("examples");
        QTest::addColumn<bool>("withWrong");
        QTest::newRow("25, all right") << 4 << 25 << false;
        QTest::newRow("15, rows 1 and 4 wrong") << 2 << 15 << true;
    }
    void playsTwoTopicsToTheTable() {
        QFETCH(int, choice);
        QFETCH(int, examples);
        QFETCH(bool, withWrong);
        GamePlayer player(running->program.get(), answerRow);
        auto* form = startDrill(player, choice, {0, 4});
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->Topics, QStringList({"Škola", "Farby"}));
        const QSet<QString> farby = promptsOf("Farby");
        const QSet<QString> allowed = promptsOf("Škola") + farby;
        QSet<QString> seen;
        bool pagesSound = true;
        TwndTab* table = player.playToTable([&](int page) {
            for (int r = 1; r <= form->PageSize; ++r)
                seen.insert(form->example(r).prompt);
            const bool five = page == (examples + 9) / 10 && examples % 10;
            pagesSound &= form->PageSize == (five ? 5 : 10) && form->Tiles[5]->isHidden() == five;
            return withWrong ? QSet<int>{1, 4} : QSet<int>{};
        });
        QVERIFY(table && pagesSound);
        QCOMPARE(seen.size(), examples);
        QVERIFY(allowed.contains(seen) && (examples <= 21 || seen.intersects(farby)));
        const int wrong = withWrong ? 2 * player.pagesPlayed() : 0;
        QCOMPARE(GamePlayer::score(table), qMakePair(examples - wrong, wrong));
        QVERIFY(running->install.resultsLog().contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    // Outside every slot a tile goes back to the column; on a filled slot
    // it sends the other tile back; moved on, it empties its first slot.
    // After the check (here while a tile is held) nothing moves, and an
    // empty row's mark shows the word, " = " and its translation.
    void tilesMoveBetweenSlotsAndColumn() {
        GamePlayer player(running->program.get(), answerRow);
        auto* form = startDrill(player, 1, {0, 4});
        TMujPanel* a = form->Tiles[0];
        TMujPanel* b = form->Tiles[1];
        const QPoint home(a->HomeLeft, a->HomeTop);
        QVERIFY(dragTile(form, a, QPoint(120, 300)));
        QCOMPARE(a->pos(), home);
        QVERIFY(dragTile(form, a, slotCentre(form, 3)));
        QCOMPARE(a->pos(), form->lbSlot[2]->pos() + QPoint(8, 5));
        QVERIFY(a->Placed && form->TileOnRow(3) == 1);
        QVERIFY(dragTile(form, b, slotCentre(form, 3)));
        QVERIFY(form->TileOnRow(3) == 2 && !a->Placed && a->pos() == home);
        QVERIFY(dragTile(form, b, slotCentre(form, 5)));
        QVERIFY(form->TileOnRow(3) == 0 && form->TileOnRow(5) == 2);

        QVERIFY(dragTile(form, a, slotCentre(form, 1), Mishap::Check));
        QVERIFY(form->PageChecked && form->TileOnRow(1) == 0 && a->pos() == home);
        QVERIFY(!QWidget::mouseGrabber());
        QTest::mousePress(form->Vyhodn[0], Qt::LeftButton);
        QCOMPARE(wndHint->Text->text(), form->example(1).prompt + " = " + form->example(1).answer);
        QTest::mouseRelease(form->Vyhodn[0], Qt::LeftButton);
        QVERIFY(!dragTile(form, b, slotCentre(form, 1)));
        QCOMPARE(form->TileOnRow(5), 2);
    }

    // One tick shows continue and print, taking it back hides them;
    // "všetky..." ticks all, then clears all. Too few words for the count
    // chosen: the game does not start and the pupil is told why.
    void topicPageTicksAndRefusesTooFewWords() {
        GamePlayer player(running->program.get(), answerRow);
        auto* topics = qobject_cast<TwndSlovickaObl*>(player.start("7e", 5));
        QVERIFY(topics);
        QVERIFY(topics->lbTopic[13]->isVisible() && !topics->lbTopic[14]->isVisible());
        const QImage ticked = loadPicture(ResourceDir + "bmp/tema_1.bmp");
        const auto tickShown = [&](int i) {
            const QPoint box = TwndSlovickaObl::slotPosition(i) + QPoint(165, 16);
            return alike(stagePixel(topics->Background, box), stagePixel(ticked, QPoint(165, 16)),
                         8);
        };
        QTest::mouseClick(topics->lbTopic[4], Qt::LeftButton);
        QVERIFY(topics->Pokr->isEnabled() && topics->Tisk->isEnabled() && tickShown(4));
        QTest::mouseClick(topics->lbTopic[4], Qt::LeftButton);
        QVERIFY(!topics->Pokr->isEnabled() && !topics->Tisk->isEnabled() && !tickShown(4));
        QTest::mouseClick(topics->lbTopic[2], Qt::LeftButton);
        QTest::mouseClick(topics->lbAll, Qt::LeftButton);
        QVERIFY(topics->choice().chosen().size() == 14 && tickShown(13));
        QTest::mouseClick(topics->lbAll, Qt::LeftButton);
        QVERIFY(!topics->choice().anySelected() && !topics->Pokr->isEnabled());

        QTest::mouseClick(topics->lbTopic[4], Qt::LeftButton); // "Farby": 17 words for 30
        QTest::mouseClick(topics->Pokr, Qt::LeftButton);
        QCOMPARE(running->fakes.boxes->stops, QStringList{slovicka::tooFewWordsMessage(30)});
        QVERIFY(topics->isVisible() && !topics->drill()->isVisible());
    }

    // Print passes the name, the game, the count chosen and one byte per
    // slot; without the library the page says so. Back takes the page and
    // the drill it was keeping away.
    void printHandsTheTicksToTheLibrary_data() {
        QTest::addColumn<bool>("library");
        QTest::newRow("stand-in library") << true;
        QTest::newRow("no library") << false;
    }
    void printHandsTheTicksToTheLibrary() {
        QFETCH(bool, library);
        if (library)
            QFile::copy(VZ_FAKE_PRINT_LIBRARY, running->install.resDir() + "/libRavad.so");
        const QString record = running->install.path("print.txt");
        qputenv("VZ_PRINT_RECORD", record.toLocal8Bit());
        GamePlayer player(running->program.get(), answerRow);
        QPointer<TwndSlovickaObl> topics =
            qobject_cast<TwndSlovickaObl*>(player.start("7e", 3, "Eva"));
        QPointer<TwndSlovicka> drill = topics->drill();
        QTest::mouseClick(topics->lbTopic[1], Qt::LeftButton);
        QTest::mouseClick(topics->lbTopic[13], Qt::LeftButton);
        QTest::mouseClick(topics->Tisk, Qt::LeftButton);
        QVERIFY(ScrResChanger->Attached);
        QFile file(record);
        QCOMPARE(file.open(QIODevice::ReadOnly), library);
        if (library) {
            QVERIFY(running->fakes.boxes->stops.isEmpty());
            QCOMPARE(file.readAll(),
                     QByteArray("Slovicka|3|Eva|29|20|01000000000001") + QByteArray(16, '0'));
        } else {
            QCOMPARE(running->fakes.boxes->stops,
                     QStringList{QStringLiteral("Nebola nájdená tlačová knižnica \"Ravad.dll\".")});
        }
        QTest::mouseClick(topics->backButton, Qt::LeftButton);
        QTRY_VERIFY(topics.isNull() && drill.isNull());
    }

private:
    // Opens the topic page with count choice `choice`, ticks the topics of
    // slots `ticks` and presses continue.
    TwndSlovicka* startDrill(GamePlayer& player, int choice, const QList<int>& ticks) {
        auto* topics = qobject_cast<TwndSlovickaObl*>(player.start("7e", choice));
        if (!topics)
            return nullptr;
        for (int i : ticks)
            QTest::mouseClick(topics->lbTopic[i], Qt::LeftButton);
        TwndSlovicka* drill = topics->drill();
        QTest::mouseClick(topics->Pokr, Qt::LeftButton);
        player.follow(drill);
        return drill;
    }

    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestPlaySlovicka)
#include "test_play_slovicka.moc"
