// Plays the two drag-and-drop verb drills (1c modal verbs, 1f separable
// prefixes) from the menu to the table with real mouse drags.

#include "app/application.h"
#include "app/globals.h"
#include "controls/drag_token.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "controls/text_buttons.h"
#include "drills/verbs/predp_form.h"
#include "drills/verbs/zpusob_form.h"
#include "exercise/answer_text.h"
#include "screens/hint_windows.h"
#include "screens/option_popups.h"
#include "support/game_player.h"
#include "support/mouse_drags.h"
#include "support/running_program.h"

#include <QTest>
#include <numeric>

using namespace vz;
using namespace vz::test;
using drags::Mishap;
using predp::Place;
using predp::Placement;

namespace {

int verbOf(const QString& form) {
    for (int v = 0; v < zpusob::kVerbCount; ++v) {
        if (zpusob::presentForms()[v].contains(form))
            return v;
    }
    return -1;
}

// Opens the verb of `form` and drags the pop-up item that offers it.
bool dragForm(TwndZpusob* z, const QString& form, QPoint target, Mishap mishap = Mishap::None) {
    QTest::mouseClick(z->lb[verbOf(form)], Qt::LeftButton);
    for (TExtLabel* item : z->moznosti->items) {
        if (z->moznosti->isVisible() && item->text() == form)
            return drags::drag(z, item, QPoint(12, 9), target, mishap);
    }
    return false;
}

QString pick(const ZpusobRow& row, bool right) {
    for (const QString& form :
         zpusob::presentForms()[verbOf(zpusob::acceptedForms(row.answer)[0])]) {
        if (zpusob::isRight(row, form) == right)
            return form;
    }
    return {};
}

QPoint slotCentre(TwndPredp* p, int r, Place s) {
    return p->Terc[r - 1][int(s) - 1]->geometry().center();
}

bool dragPiece(TwndPredp* p, int r, TwndPredp::Colour colour, QPoint target,
               Mishap mishap = Mishap::None) {
    QLabel* piece = p->lbVzor[r - 1][colour];
    return piece->isVisible() && drags::drag(p, piece, piece->rect().center(), target, mishap);
}

void answer(TExerciseForm* form, int r, bool right) {
    if (auto* z = qobject_cast<TwndZpusob*>(form)) {
        QVERIFY(dragForm(z, pick(z->row(r), right), z->ed[r - 1]->geometry().center()));
        return;
    }
    auto* p = static_cast<TwndPredp*>(form);
    const Placement crossed{Place::Slot1, Place::Slot2};
    const Placement target = right ? *predp::solutionPlacement(p->row(r))
                             : predp::isRight(p->row(r), crossed)
                                 ? Placement{Place::Slot2, Place::Slot1}
                                 : crossed;
    QVERIFY(dragPiece(p, r, TwndPredp::Red, slotCentre(p, r, target.red)));
    QVERIFY(dragPiece(p, r, TwndPredp::Blue, slotCentre(p, r, target.blue)));
    QVERIFY(p->placement(r) == target);
}

// Every piece of the page lies in exactly one place, shown once.
bool piecesShownOnce(TwndPredp* p) {
    for (int r = 1; r <= p->PageSize; ++r) {
        for (TwndPredp::Colour colour : {TwndPredp::Red, TwndPredp::Blue}) {
            const Place place =
                colour == TwndPredp::Red ? p->placement(r).red : p->placement(r).blue;
            const bool home = p->lbVzor[r - 1][colour]->isVisible();
            const bool one = p->Vlozeny[r - 1][colour][0]->isVisible();
            const bool two = p->Vlozeny[r - 1][colour][1]->isVisible();
            if (int(home) + int(one) + int(two) != 1 || home != (place == Place::Home) ||
                one != (place == Place::Slot1) || p->Oval[r - 1][colour]->isVisible())
                return false;
        }
    }
    return true;
}

} // namespace

class TestPlayDragVerbs : public QObject {
    Q_OBJECT
private slots:
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        program = running->program.get();
        player = std::make_unique<GamePlayer>(program, answer);
    }
    void cleanup() {
        player.reset();
        running.reset();
    }

    // Rows 1 and 4 of every page wrong; 1f covers the lower half of a five-row page.
    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<int>>("pageSizes");
        QTest::newRow("1c") << "1c" << 3 << QList<int>{5, 5, 5, 5};
        QTest::newRow("1f") << "1f" << 2 << QList<int>{10, 5};
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, choice);
        TExerciseForm* form = player->start(code, choice);
        QVERIFY(form);
        QList<int> sizes;
        bool coveredRight = true;
        TwndTab* table = player->playToTable([&](int) {
            sizes << form->PageSize;
            if (auto* p = qobject_cast<TwndPredp*>(form))
                coveredRight &= p->zakryti->isVisible() == (p->PageSize == 5);
            return QSet<int>{1, 4};
        });
        QVERIFY(table);
        QTEST(sizes, "pageSizes");
        QVERIFY(coveredRight);
        const int wrong = 2 * int(sizes.size());
        const int examples = std::accumulate(sizes.begin(), sizes.end(), 0);
        QCOMPARE(GamePlayer::score(table), qMakePair(examples - wrong, wrong));
    }

    // The forms open above their verb in an order kept for the whole game;
    // after the check nothing opens and a wrong mark shows sentence and note.
    void modalVerbsOpenAboveInTheOrderOfTheGame() {
        auto* z = static_cast<TwndZpusob*>(player->start("1c", 1));
        const auto shownForms = [z] {
            QTest::mouseClick(z->lb[1], Qt::LeftButton);
            QStringList shown;
            for (TExtLabel* item : z->moznosti->items)
                shown << (z->moznosti->isVisible() ? item->text() : QString());
            return shown;
        };
        QCOMPARE(shownForms(), z->verbForms()[1]);
        QCOMPARE(z->moznosti->geometry(), QRect(137, 431 - 87, 81, 87));
        player->answerPage({1, 2, 3, 4, 5});
        QVERIFY(!shownForms().contains(z->verbForms()[1][0]));
        QTest::mousePress(z->Vyhodn[2], Qt::LeftButton);
        QVERIFY(program->hint2()->isVisible());
        QCOMPARE(program->hint2()->UpText->text(), zpusob::answerText(z->row(3)));
        QCOMPARE(program->hint2()->DownText->text(), z->row(3).note);
        QTest::mouseRelease(z->Vyhodn[2], Qt::LeftButton);
        QVERIFY(!program->hint2()->isVisible());
        const QStringList order = z->verbForms()[1];
        player->pressContinue();
        QCOMPARE(shownForms(), order);
    }

    // Only a drop on a gap, its edges included, fills it; a later one replaces it.
    void formsLandOnGapsOnlyAndReplaceEachOther() {
        auto* z = static_cast<TwndZpusob*>(player->start("1c", 1));
        const QRect gap = z->ed[2]->geometry();
        QVERIFY(dragForm(z, "kann", QPoint(gap.x() + gap.width() + 1, gap.y())));
        for (QLabel* ed : z->ed)
            QCOMPARE(ed->text(), QString());
        QVERIFY(dragForm(z, "muss", QPoint(gap.x() + gap.width(), gap.y() + gap.height())));
        QCOMPARE(answers::foldAtoZ(z->ed[2]->text()), QString("MUSS"));
        QVERIFY(dragForm(z, QStringLiteral("mögt"), gap.center()));
        QCOMPARE(answers::foldAtoZ(z->ed[2]->text()), QStringLiteral("MöGT"));
        QCOMPARE(z->ed[1]->text() + z->ed[3]->text(), QString());
    }

    // Pieces go only into their own row; two in one slot widen it and push
    // the sentence on; a click takes a piece back home.
    void piecesGoOnlyIntoTheirOwnRowAndComeBackWhenClicked() {
        auto* p = static_cast<TwndPredp*>(player->start("1f", 1));
        QVERIFY(dragPiece(p, 1, TwndPredp::Red, slotCentre(p, 2, Place::Slot1)));
        QVERIFY(p->placement(1) == Placement{} && p->placement(2) == Placement{});
        QVERIFY(dragPiece(p, 1, TwndPredp::Red, slotCentre(p, 1, Place::Slot1)));
        QVERIFY(dragPiece(p, 1, TwndPredp::Blue, slotCentre(p, 1, Place::Slot1)));
        QVERIFY(piecesShownOnce(p));
        QLabel* red = p->Vlozeny[0][TwndPredp::Red][0];
        QLabel* blue = p->Vlozeny[0][TwndPredp::Blue][0];
        QLabel* slot = p->Terc[0][0];
        QCOMPARE(slot->width(), red->width() + blue->width() + 4);
        QCOMPARE(p->lbMezi[0]->x(), slot->x() + slot->width());
        QCOMPARE(predp::slotContent(p->row(1), p->placement(1), 1), red->text() + blue->text());
        QTest::mouseClick(red, Qt::LeftButton);
        QVERIFY(p->placement(1) == (Placement{Place::Home, Place::Slot1}));
        QVERIFY(piecesShownOnce(p));
        QCOMPARE(blue->x(), slot->x() + 2);
    }

    // Whatever happens while a token holds the mouse, nothing keeps the
    // mouse, no token stays out and no piece is lost or doubled.
    void mishapsDuringADragLeaveThePageWhole_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<Mishap>("mishap");
        QTest::newRow("1c double click on the way") << "1c" << Mishap::DoubleClick;
        QTest::newRow("1c check") << "1c" << Mishap::Check;
        QTest::newRow("1c new") << "1c" << Mishap::New;
        QTest::newRow("1f button lost") << "1f" << Mishap::ButtonLost;
        QTest::newRow("1f check") << "1f" << Mishap::Check;
        QTest::newRow("1f new") << "1f" << Mishap::New;
    }
    void mishapsDuringADragLeaveThePageWhole() {
        QFETCH(QString, code);
        QFETCH(Mishap, mishap);
        const bool lands = mishap == Mishap::DoubleClick;
        TExerciseForm* form = player->start(code, 1);
        auto* z = qobject_cast<TwndZpusob*>(form);
        auto* p = qobject_cast<TwndPredp*>(form);
        const QString chosen = z ? pick(z->row(1), true) : QString();
        QVERIFY(z ? dragForm(z, chosen, z->ed[0]->geometry().center(), mishap)
                  : dragPiece(p, 1, TwndPredp::Red, slotCentre(p, 1, Place::Slot1), mishap));
        if (z) {
            QCOMPARE(z->ed[0]->text(), lands ? zpusob::droppedText(chosen, z->row(1).before) : "");
            QVERIFY(!z->token->isVisible());
        } else {
            QCOMPARE(p->placement(1).red, lands ? Place::Slot1 : Place::Home);
            QVERIFY(piecesShownOnce(p));
        }
        if (mishap == Mishap::Check)
            QCOMPARE(WrongCount, quint8(form->PageSize)); // the drop never happened
        else                                              // the page still takes drags
            QVERIFY(z ? dragForm(z, chosen, z->ed[1]->geometry().center())
                      : dragPiece(p, 2, TwndPredp::Blue, slotCentre(p, 2, Place::Slot2)));
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
    MainSequence* program = nullptr;
};

VZ_GUI_TEST_MAIN(TestPlayDragVerbs)
#include "test_play_drag_verbs.moc"
