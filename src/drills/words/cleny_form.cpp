#include "cleny_form.h"

#include "../../app/cursors.h"
#include "../../app/globals.h"
#include "../../controls/drag_token.h"
#include "../../controls/ext_image.h"
#include "../../controls/fonts.h"
#include "../../screens/hint_windows.h"
#include "../../screens/windows.h"

#include <QFontMetrics>

namespace vz {

TSortingForm::TSortingForm(QWidget* stage, const sorting::Layout& layout, const sorting::Game& game,
                           const QStringList& columnNames)
    : TExerciseForm(stage), places(layout), rules(game) {
    for (int column = 1; column <= layout.columns(); ++column) {
        QVector<QLabel*> columnSlots;
        for (int row = 1; row <= sorting::kSlotRows; ++row) {
            auto* slot = new QLabel(this); // the background draws it; it only names the place
            slot->setObjectName(columnNames.value(column - 1) + QString::number(row));
            slot->setGeometry(layout.slotRect({column, row}));
            slot->setAttribute(Qt::WA_TransparentForMouseEvents);
            slot->setAttribute(Qt::WA_TranslucentBackground);
            columnSlots << slot;
        }
        slotLabels << columnSlots;
    }
    for (int chip = 1; chip <= sorting::kChips; ++chip) {
        addMark(chip, 0, 0)->hide();
        auto* token = new TDragToken(this, layout.chipWidth, 20);
        token->setObjectName(QStringLiteral("Chip%1").arg(chip));
        token->VisibleAtHome = true;
        connect(token, &TDragToken::dropped, this,
                [this, chip](QPoint at) { OvalMouseUp(chip, at); });
        connect(token, &TDragToken::dragCancelled, this, [this] { layoutChips(); });
        chips[chip - 1] = token;
    }
}

void TSortingForm::StartExercise() {
    prepareBackground();
    deck = sorting::readDeck(DataList, GameGroup, GameLetter, rules);
    PageSize = sorting::kChips;
    DealPage();
}

void TSortingForm::DealPage() {
    cancelDrags();
    PageExamples->Clear();
    dealt =
        sorting::dealPage(deck, split(), rules.maxPerColumn, *UsedExamples, *PageExamples, rng());
    for (int chip = 1; chip <= sorting::kChips; ++chip) {
        TDragToken* token = chips[chip - 1];
        const QString& word = dealt.chipWords[chip - 1];
        const int size = sorting::chipFontSize(
            [&word](int px) { return QFontMetrics(screenFont(px)).horizontalAdvance(word); },
            board().layout().textLimit);
        token->setFont(screenFont(size));
        token->setText(word);
    }
    places.clear();
    placeMarks(false);
    layoutChips();
}

void TSortingForm::cancelDrags() {
    for (TDragToken* token : chips)
        token->cancelDrag();
}

void TSortingForm::layoutChips() {
    const QRect continueArea = Pokr->geometry();
    for (int chip = 1; chip <= sorting::kChips; ++chip) {
        TDragToken* token = chips[chip - 1];
        token->Home = places.restingPlace(chip);
        token->Draggable = open;
        token->setCursor(programCursor(open ? kHandCursor : kArrowCursor));
        if (token->isDragging())
            continue;
        token->move(token->Home);
        // On a checked page a chip left in the pool must not cover the continue button.
        const bool inTheWay =
            places.placeOf(chip).inPool() && token->geometry().intersects(continueArea);
        token->setVisible(open || !inTheWay);
    }
}

void TSortingForm::placeMarks(bool shown) {
    for (int chip = 1; chip <= sorting::kChips; ++chip) {
        const sorting::Place place = places.placeOf(chip);
        TExtImage* mark = markOf(chip);
        if (!place.inPool())
            mark->move(places.layout().markPosition(place));
        mark->setVisible(shown && !place.inPool());
    }
}

void TSortingForm::OvalMouseUp(int chip, QPoint at) {
    if (open)
        places.drop(chip, at);
    layoutChips();
}

bool TSortingForm::judgeRow(int chip) {
    return sorting::isRight(dealt, dealt.chipWords[chip - 1], places.placeOf(chip));
}

QString TSortingForm::correctAnswer(int chip) const {
    return sorting::answerText(rules, dealt, dealt.chipWords[chip - 1]);
}

void TSortingForm::showAnswer(int chip, const TExtImage* mark) {
    if (!answerOpensRight(places.placeOf(chip).column)) {
        TExerciseForm::showAnswer(chip, mark);
        return;
    }
    wndHintR->Text->setText(correctAnswer(chip));
    wndHintR->Text->adjustSize();
    wndHintR->resize(wndHintR->Text->width() + 30, wndHintR->height());
    wndHintR->move(mark->x() + mark->width() - 7,
                   mark->y() + 23); // begins 7 pixels left of its edge
    wndHintR->show();
    wndHintR->raise();
}

void TSortingForm::hideAnswer() {
    wndHint->hide();
    wndHintR->hide();
}

void TSortingForm::setAnswersActive(bool active) {
    open = active;
    if (!active)
        cancelDrags(); // a chip held at the check goes back where it was judged
    placeMarks(!active);
    layoutChips();
}

bool TSortingForm::examplesRemain() {
    ExamplesLeft = static_cast<quint8>(sorting::examplesAfterPage(ExamplesLeft));
    return ExamplesLeft > 0;
}

TwndCleny::TwndCleny(QWidget* stage)
    : TSortingForm(stage, cleny::layout(), cleny::game(GameGroup),
                   {QStringLiteral("Der"), QStringLiteral("Die"), QStringLiteral("Das")}) {
    setObjectName(QStringLiteral("wndCleny"));
}

} // namespace vz
