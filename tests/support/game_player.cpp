#include "game_player.h"

#include "app/globals.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "screens/backdrop.h"
#include "screens/game_catalogue.h"
#include "screens/select_form.h"
#include "screens/setup_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

namespace vz::test {

TExerciseForm* GamePlayer::start(const QString& code, int choice, const QString& name) {
    const GameInfo* game = findGame(code.at(0).digitValue(), code.at(1));
    if (!game)
        return nullptr;
    TwndSelect* menu = program->select();
    QTest::mouseClick(menu->GroupButtons[game->group - 1], Qt::LeftButton);
    QTest::mouseClick(menu->GameButtons[game->letter.unicode() - 'a'], Qt::LeftButton);
    TwndSetup* setup = program->setup();
    setup->edJmeno->clear();
    typeText(setup->edJmeno, name);
    QTest::mouseClick(setup->img[choice - 1], Qt::LeftButton);
    QTest::mouseClick(setup->Pokr, Qt::LeftButton);
    current = visibleExercise();
    pages = 0;
    return current;
}

void GamePlayer::answerPage(const QSet<int>& wrongRows) {
    for (int row = 1; row <= current->PageSize; ++row)
        answer(current, row, !wrongRows.contains(row));
    QTest::mouseClick(current->checkButton, Qt::LeftButton);
    ++pages;
}

void GamePlayer::pressContinue() {
    QTRY_VERIFY(current->Pokr->isEnabled());
    QTest::mouseClick(current->Pokr, Qt::LeftButton);
}

TwndTab* GamePlayer::playToTable(const WrongRows& wrongRows) {
    for (int guard = 0; guard < 20; ++guard) {
        answerPage(wrongRows ? wrongRows(pages + 1) : QSet<int>{});
        pressContinue();
        if (current->isReleased()) {
            QTest::qWaitFor([] { return !visibleExercise(); });
            return visibleTable();
        }
    }
    return nullptr;
}

void GamePlayer::typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void GamePlayer::doubleClick(QWidget* stage, QPoint at) {
    // The second press goes to whatever lies there after the first click.
    const auto under = [stage, at] {
        QWidget* target = stage->childAt(at);
        return std::pair{target, target ? target->mapFrom(stage, at) : QPoint()};
    };
    auto [first, firstAt] = under();
    QTest::mouseClick(first, Qt::LeftButton, {}, firstAt);
    auto [second, secondAt] = under();
    const QPointF global = second->mapToGlobal(QPointF(secondAt));
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(secondAt), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(second, &twice);
    QTest::mouseRelease(second, Qt::LeftButton, {}, secondAt);
}

TExerciseForm* GamePlayer::visibleExercise() {
    for (auto* form : Stage()->findChildren<TExerciseForm*>()) {
        if (form->isVisible() && !form->isReleased())
            return form;
    }
    return nullptr;
}

TwndTab* GamePlayer::visibleTable() {
    for (auto* table : Stage()->findChildren<TwndTab*>()) {
        if (table->isVisible())
            return table;
    }
    return nullptr;
}

QPair<int, int> GamePlayer::score(const TwndTab* table) {
    return {table->cell(0, 2)->text().toInt(), table->cell(0, 3)->text().toInt()};
}

} // namespace vz::test
