// Plays the two drag-and-drop verb drills (1c modal verbs, 1f separable
// prefixes) from the menu to the table with real mouse drags: a press on the
// source, moves and the release sent to the widget that holds the mouse.

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
#include "store/cp1250.h"
#include "store/results.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <numeric>

using namespace vz;
using namespace vz::test;
using predp::Place;
using predp::Placement;

namespace {

enum class Mishap {
    None,
    DoubleClick,
    DoubleClickSource,
    Check,
    New,
    ButtonLost,
    OutsideTheWindow,
    Back
};

void sendMouse(QWidget* to, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(to->mapToGlobal(local)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Presses `source` at `at` and moves whatever took the mouse halfway to
// `target` (form coordinates); the grabbed point must stay under the pointer.
TDragToken* pressAndMove(QWidget* form, QWidget* source, QPoint at, QPoint target) {
    const QPoint start = form->mapFromGlobal(source->mapToGlobal(at));
    QTest::mousePress(source, Qt::LeftButton, {}, at);
    auto* token = qobject_cast<TDragToken*>(QWidget::mouseGrabber());
    if (!token || !token->isVisible() || !token->isDragging())
        return nullptr;
    const QPoint grip = token->mapFrom(form, start);
    for (int step = 1; step <= 2; ++step) {
        const QPoint to = start + (target - start) * step / 4;
        QTest::mouseMove(token, token->mapFrom(form, to));
        if (token->mapFrom(form, to) != grip)
            return nullptr;
    }
    return token;
}

// A whole drag from `source` to `target`, with a mishap on the way.
bool dragTo(QWidget* form, QWidget* source, QPoint at, QPoint target,
            Mishap mishap = Mishap::None) {
    TDragToken* token = pressAndMove(form, source, at, target);
    if (!token)
        return false;
    if (mishap == Mishap::DoubleClick)
        sendMouse(token, QEvent::MouseButtonDblClick, token->mapFrom(form, target), Qt::LeftButton);
    QTest::mouseMove(token, token->mapFrom(form, target));
    QTest::mouseRelease(token, Qt::LeftButton, {}, token->mapFrom(form, target));
    return !QWidget::mouseGrabber() && !token->isVisible();
}

// A real double click on the source: the first press starts a drag that the
// first release ends where it began; the second press and the last release
// go to whatever holds the mouse or lies under the pointer by then.
void doubleClickSource(QWidget* form, QWidget* source, QPoint at) {
    const QPoint formAt = form->mapFromGlobal(source->mapToGlobal(at));
    const auto receiver = [form, formAt] {
        QWidget* to = QWidget::mouseGrabber();
        if (!to)
            to = form->childAt(formAt);
        return to ? to : form;
    };
    const auto local = [form, formAt](QWidget* to) {
        return to == form ? formAt : to->mapFrom(form, formAt);
    };
    QTest::mousePress(source, Qt::LeftButton, {}, at);
    QWidget* to = receiver();
    QTest::mouseRelease(to, Qt::LeftButton, {}, local(to));
    to = receiver();
    sendMouse(to, QEvent::MouseButtonDblClick, local(to), Qt::LeftButton);
    to = receiver();
    QTest::mouseRelease(to, Qt::LeftButton, {}, local(to));
}

int verbOf(const QString& form) {
    for (int v = 0; v < zpusob::kVerbCount; ++v) {
        if (zpusob::presentForms()[v].contains(form))
            return v;
    }
    return -1;
}

// Opens the verb of `form` and returns the pop-up item that offers it.
QWidget* offeredItem(TwndZpusob* z, const QString& form) {
    QTest::mouseClick(z->lb[verbOf(form)], Qt::LeftButton);
    if (!z->moznosti->isVisible())
        return nullptr;
    for (TExtLabel* item : z->moznosti->items) {
        if (item->text() == form)
            return item;
    }
    return nullptr;
}

bool dragForm(TwndZpusob* z, const QString& form, QPoint target, Mishap mishap = Mishap::None) {
    QWidget* item = offeredItem(z, form);
    return item && dragTo(z, item, QPoint(12, 9), target, mishap);
}

QString pick(const ZpusobRow& row, bool right) {
    const QString accepted = zpusob::acceptedForms(row.answer).first();
    for (const QString& form : zpusob::presentForms()[verbOf(accepted)]) {
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
    return piece->isVisible() && dragTo(p, piece, piece->rect().center(), target, mishap);
}

Placement placementFor(const PredpRow& row, bool right) {
    const Placement solution = predp::solutionPlacement(row).value_or(Placement{});
    for (Place red : {Place::Slot1, Place::Slot2}) {
        for (Place blue : {Place::Slot1, Place::Slot2}) {
            if (!right && !predp::isRight(row, {red, blue}))
                return {red, blue};
        }
    }
    return solution;
}

void answer(TExerciseForm* form, int r, bool right) {
    if (auto* z = qobject_cast<TwndZpusob*>(form)) {
        const QString chosen = pick(z->row(r), right);
        QVERIFY(dragForm(z, chosen, z->ed[r - 1]->geometry().center()));
        QCOMPARE(z->ed[r - 1]->text(), zpusob::droppedText(chosen, z->row(r).before));
        return;
    }
    auto* p = static_cast<TwndPredp*>(form);
    const Placement target = placementFor(p->row(r), right);
    if (target.red != Place::Home)
        QVERIFY(dragPiece(p, r, TwndPredp::Red, slotCentre(p, r, target.red)));
    if (target.blue != Place::Home)
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
    void initTestCase() {
        // The offscreen platform cannot grab the pointer; the widget grab works all the same.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (previous &&
                    text != QLatin1String("This plugin does not support grabbing the mouse"))
                    previous(type, context, text);
            });
    }
    void init() {
        running = std::make_unique<RunningProgram>(RunningProgram::withGameContent);
        program = running->program.get();
        player = std::make_unique<GamePlayer>(program, answer);
    }
    void cleanup() {
        player.reset();
        running.reset();
    }

    void playsFromTheMenuToTheTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<int>>("pageSizes");
        QTest::addColumn<QSet<int>>("wrongRows"); // on every page
        QTest::newRow("1c all right") << "1c" << 1 << QList<int>{5, 5} << QSet<int>{};
        QTest::newRow("1c with wrong answers")
            << "1c" << 3 << QList<int>{5, 5, 5, 5} << QSet<int>{2, 5};
        QTest::newRow("1f all right") << "1f" << 2 << QList<int>{10, 5} << QSet<int>{};
        QTest::newRow("1f with wrong answers") << "1f" << 2 << QList<int>{10, 5} << QSet<int>{1, 4};
    }
    void playsFromTheMenuToTheTable() {
        QFETCH(QString, code);
        QFETCH(int, choice);
        QFETCH(QList<int>, pageSizes);
        QFETCH(QSet<int>, wrongRows);
        TExerciseForm* form = player->start(code, choice, QStringLiteral("Žofia"));
        QVERIFY(form);
        QList<int> sizes;
        bool coveredRight = true; // 1f covers the lower half of a five-row page
        TwndTab* table = player->playToTable([&](int) {
            sizes << form->PageSize;
            if (auto* p = qobject_cast<TwndPredp*>(form))
                coveredRight &= p->zakryti->isVisible() == (p->PageSize == 5);
            return wrongRows;
        });
        QVERIFY(table);
        QCOMPARE(sizes, pageSizes);
        QVERIFY(coveredRight);
        const int examples = std::accumulate(sizes.begin(), sizes.end(), 0);
        const int wrong = int(wrongRows.size() * sizes.size());
        QCOMPARE(table->cell(0, 1)->text(), QStringLiteral("Žofia"));
        QCOMPARE(table->cell(0, 2)->text(), QString::number(examples - wrong));
        QCOMPARE(table->cell(0, 3)->text(), QString::number(wrong));
        QVERIFY(!QWidget::mouseGrabber());

        QFile log(running->install.dataDir() + "/Vysledky.dat");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList record = cp1250::decode(log.readAll()).split("\r\n");
        QVERIFY(record[0].startsWith(QStringLiteral("Jméno: Žofia")));
        QCOMPARE(record[1], QStringLiteral("Hra: ") + logGameTitle(GameNumber));
        QVERIFY(record[2].startsWith(QStringLiteral("Počet příkladů:  %1 ").arg(examples)));
        QVERIFY(record[2].contains(QStringLiteral("Špatně:  %1 ").arg(wrong)));
    }

    void modalVerbsOpenAboveAndKeepTheirOrderForTheGame() {
        auto* z = static_cast<TwndZpusob*>(player->start("1c", 1));
        QTest::mouseClick(z->lb[1], Qt::LeftButton);
        QVERIFY(z->moznosti->isVisible());
        QCOMPARE(z->moznosti->geometry(), QRect(137, 431 - 87, 81, 87));
        QStringList shown;
        for (TExtLabel* item : z->moznosti->items)
            shown << item->text();
        QCOMPARE(shown, z->verbForms()[1]);
        QTest::mouseClick(z, Qt::LeftButton, {}, QPoint(20, 460)); // a click outside closes it
        QVERIFY(!z->moznosti->isVisible());

        player->answerPage({1, 2, 3, 4, 5});
        QTest::mouseClick(z->lb[1], Qt::LeftButton); // nothing opens after the check
        QVERIFY(!z->moznosti->isVisible());
        // A wrong mark shows the sentence and the note in the two-line window.
        QTest::mousePress(z->Vyhodn[2], Qt::LeftButton);
        QVERIFY(program->hint2()->isVisible());
        QVERIFY(!program->hint()->isVisible());
        QCOMPARE(program->hint2()->UpText->text(), zpusob::answerText(z->row(3)));
        QCOMPARE(program->hint2()->DownText->text(), z->row(3).note);
        QCOMPARE(program->hint2()->x() + program->hint2()->width(), z->Vyhodn[2]->x() + 7);
        QTest::mouseRelease(z->Vyhodn[2], Qt::LeftButton);
        QVERIFY(!program->hint2()->isVisible());

        player->pressContinue();
        QTest::mouseClick(z->lb[1], Qt::LeftButton);
        shown.clear();
        for (TExtLabel* item : z->moznosti->items)
            shown << item->text();
        QCOMPARE(shown, z->verbForms()[1]); // the same order on the next page
    }

    void formsLandOnGapsOnlyAndReplaceEachOther() {
        auto* z = static_cast<TwndZpusob*>(player->start("1c", 1));
        const QRect gap = z->ed[2]->geometry();
        QVERIFY(dragForm(z, "kann", QPoint(gap.right() + 8, gap.center().y())));
        QVERIFY(dragForm(z, "kann", QPoint(300, 460)));
        QVERIFY(dragForm(z, "kann", QPoint(-30, 700))); // released outside the window
        for (QLabel* ed : z->ed)
            QCOMPARE(ed->text(), QString());
        // Edges count: the point just right of the gap's last pixel.
        QVERIFY(dragForm(z, "muss", QPoint(gap.x() + gap.width(), gap.y())));
        QCOMPARE(answers::foldAtoZ(z->ed[2]->text()), QString("MUSS"));
        QVERIFY(dragForm(z, QStringLiteral("mögt"), gap.center()));
        QCOMPARE(answers::foldAtoZ(z->ed[2]->text()), QStringLiteral("MöGT"));
        QCOMPARE(z->ed[1]->text(), QString());
        QCOMPARE(z->ed[3]->text(), QString());
    }

    void piecesGoOnlyIntoTheirOwnRowAndComeBackWhenClicked() {
        auto* p = static_cast<TwndPredp*>(player->start("1f", 1));
        QCOMPARE(p->PageSize, 10);
        // Another row's slot, below the rows, outside the window: the piece returns.
        QVERIFY(dragPiece(p, 1, TwndPredp::Red, slotCentre(p, 2, Place::Slot1)));
        QVERIFY(dragPiece(p, 1, TwndPredp::Red, QPoint(300, 460)));
        QVERIFY(dragPiece(p, 1, TwndPredp::Red, QPoint(700, -20)));
        QVERIFY(p->placement(1) == Placement{});
        QVERIFY(p->placement(2) == Placement{});
        QVERIFY(piecesShownOnce(p));

        QVERIFY(dragPiece(p, 1, TwndPredp::Red, slotCentre(p, 1, Place::Slot1)));
        QVERIFY(dragPiece(p, 1, TwndPredp::Blue, slotCentre(p, 1, Place::Slot1)));
        QVERIFY(piecesShownOnce(p));
        QLabel* red = p->Vlozeny[0][TwndPredp::Red][0];
        QLabel* blue = p->Vlozeny[0][TwndPredp::Blue][0];
        QLabel* slot = p->Terc[0][0];
        QCOMPARE(red->x(), slot->x() + 2);
        QCOMPARE(blue->x(), red->x() + red->width());
        QCOMPARE(slot->width(), red->width() + blue->width() + 4);
        QCOMPARE(p->lbMezi[0]->x(), slot->x() + slot->width());
        QCOMPARE(predp::slotContent(p->row(1), p->placement(1), 1), red->text() + blue->text());

        QTest::mouseClick(red, Qt::LeftButton); // back to the left of the row
        QVERIFY(p->placement(1) == (Placement{Place::Home, Place::Slot1}));
        QVERIFY(piecesShownOnce(p));
        QCOMPARE(blue->x(), slot->x() + 2);
        QTest::mouseClick(blue, Qt::LeftButton);
        QCOMPARE(slot->width(), 25);
        QVERIFY(piecesShownOnce(p));
    }

    // Whatever happens while a token holds the mouse, the page stays whole:
    // nothing keeps the mouse, no token stays out, no piece is lost or doubled.
    void mishapsDuringADragLeaveThePageWhole_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("mishap");
        QTest::addColumn<bool>("lands"); // the drop still counts
        for (const char* code : {"1c", "1f"}) {
            QTest::addRow("%s double click on the way", code)
                << code << int(Mishap::DoubleClick) << true;
            QTest::addRow("%s double click on the source", code)
                << code << int(Mishap::DoubleClickSource) << false;
            QTest::addRow("%s check while held", code) << code << int(Mishap::Check) << false;
            QTest::addRow("%s new while held", code) << code << int(Mishap::New) << false;
            QTest::addRow("%s button lost outside", code)
                << code << int(Mishap::ButtonLost) << false;
            QTest::addRow("%s released outside", code)
                << code << int(Mishap::OutsideTheWindow) << false;
            QTest::addRow("%s back while held", code) << code << int(Mishap::Back) << false;
        }
    }
    void mishapsDuringADragLeaveThePageWhole() {
        QFETCH(QString, code);
        QFETCH(int, mishap);
        QFETCH(bool, lands);
        const auto what = Mishap(mishap);
        TExerciseForm* form = player->start(code, 1);
        auto* z = qobject_cast<TwndZpusob*>(form);
        auto* p = qobject_cast<TwndPredp*>(form);
        const QPoint target = z ? z->ed[0]->geometry().center() : slotCentre(p, 1, Place::Slot1);
        const QString chosen = z ? pick(z->row(1), true) : QString();
        if (what == Mishap::DoubleClick) {
            QVERIFY(z ? dragForm(z, chosen, target, what)
                      : dragPiece(p, 1, TwndPredp::Red, target, what));
        } else if (what == Mishap::DoubleClickSource) {
            QWidget* source = z ? offeredItem(z, chosen) : p->lbVzor[0][TwndPredp::Red];
            QVERIFY(source);
            doubleClickSource(form, source, z ? QPoint(12, 9) : source->rect().center());
        } else {
            QWidget* source = z ? offeredItem(z, chosen) : p->lbVzor[0][TwndPredp::Red];
            QVERIFY(source);
            const QPoint at = z ? QPoint(12, 9) : source->rect().center();
            TDragToken* token = pressAndMove(form, source, at, target);
            QVERIFY(token);
            QPointer<TDragToken> alive(token);
            switch (what) {
            case Mishap::Check:
                QTest::mouseClick(form->checkButton, Qt::LeftButton);
                QVERIFY(form->PageChecked);
                break;
            case Mishap::New:
                QTest::mouseClick(form->newButton, Qt::LeftButton);
                break;
            case Mishap::ButtonLost:
                sendMouse(token, QEvent::MouseMove, token->mapFrom(form, target), Qt::NoButton);
                break;
            case Mishap::OutsideTheWindow:
                QTest::mouseMove(token, token->mapFrom(form, QPoint(-40, 600)));
                QTest::mouseRelease(token, Qt::LeftButton, {},
                                    token->mapFrom(form, QPoint(-40, 600)));
                break;
            case Mishap::Back:
                QTest::mouseClick(form->backButton, Qt::LeftButton);
                QTRY_VERIFY(!GamePlayer::visibleExercise());
                break;
            default:
                break;
            }
            QVERIFY(!QWidget::mouseGrabber());
            if (alive && what != Mishap::Back) { // a late release changes nothing
                QVERIFY(!alive->isVisible());
                QTest::mouseRelease(alive, Qt::LeftButton, {}, alive->mapFrom(form, target));
            }
        }
        QVERIFY(!QWidget::mouseGrabber());
        if (what == Mishap::Back)
            return;
        if (z) {
            const QString landed = zpusob::droppedText(chosen, z->row(1).before);
            QCOMPARE(z->ed[0]->text(), lands ? landed : QString());
            QVERIFY(!z->token->isVisible());
        } else {
            QCOMPARE(p->placement(1).red, lands ? Place::Slot1 : Place::Home);
            QVERIFY(piecesShownOnce(p));
        }
        if (what == Mishap::Check) {
            QCOMPARE(WrongCount, quint8(form->PageSize)); // the drop never happened
        } else {                                          // the page still takes drags
            QVERIFY(z ? dragForm(z, chosen, z->ed[1]->geometry().center())
                      : dragPiece(p, 2, TwndPredp::Blue, slotCentre(p, 2, Place::Slot2)));
        }
    }

private:
    std::unique_ptr<RunningProgram> running;
    std::unique_ptr<GamePlayer> player;
    MainSequence* program = nullptr;
};

VZ_GUI_TEST_MAIN(TestPlayDragVerbs)
#include "test_play_drag_verbs.moc"
