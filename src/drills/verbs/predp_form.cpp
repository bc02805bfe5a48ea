#include "predp_form.h"

#include "../../app/cursors.h"
#include "../../app/stage_image.h"
#include "../../controls/drag_token.h"
#include "../../controls/fonts.h"
#include "../../exercise/answer_text.h"
#include "../../exercise/example_drawer.h"
#include "../../store/section_reader.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace vz {
namespace {

constexpr int kSentenceLeft = 167;
const QColor kPieceColours[2] = {QColor(202, 0, 0), QColor(34, 91, 144)};

int rowTop(int r) {
    return 106 + 36 * (r - 1);
}

int textWidth(const QLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text());
}

void colourText(QLabel* label, const QColor& colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

QLabel* sentenceLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    colourText(label, Qt::black);
    label->hide();
    return label;
}

} // namespace

TPieceLabel::TPieceLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFont(screenFont(16));
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(programCursor(kHandCursor));
    hide();
}

void TPieceLabel::mousePressEvent(QMouseEvent* event) {
    down = event->button() == Qt::LeftButton;
    if (down)
        emit pressed(event->position().toPoint());
}

void TPieceLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = down && rect().contains(event->position().toPoint());
    down = false;
    if (click)
        emit clicked();
}

TwndPredp::TwndPredp(QWidget* stage) : TExerciseForm(stage) {
    setObjectName(QStringLiteral("wndPredp"));
    for (int r = 1; r <= kRows; ++r) {
        lbPred[r - 1] = sentenceLabel(this, QStringLiteral("Label%1").arg(2 * r - 1));
        lbMezi[r - 1] = sentenceLabel(this, QStringLiteral("Label%1").arg(2 * r));
        lbZa[r - 1] = sentenceLabel(this, QStringLiteral("Label%1").arg(20 + r));
        for (int s = 1; s <= 2; ++s) {
            auto* slot = new QLabel(this);
            slot->setObjectName(QStringLiteral("Terc%1%2").arg(r).arg(s));
            slot->setAutoFillBackground(true);
            QPalette colours = slot->palette();
            colours.setColor(QPalette::Window, QColor(255, 236, 182));
            slot->setPalette(colours);
            slot->setCursor(programCursor(kArrowCursor));
            slot->hide();
            Terc[r - 1][s - 1] = slot;
        }
        for (Colour colour : {Red, Blue}) {
            const Piece piece{r, colour};
            auto* home = new TPieceLabel(this);
            home->setObjectName(QStringLiteral("lbVzor%1").arg(r + 10 * colour));
            colourText(home, kPieceColours[colour]);
            connect(home, &TPieceLabel::pressed, this,
                    [this, piece](QPoint at) { VzorMouseDown(piece, at); });
            lbVzor[r - 1][colour] = home;
            for (int s = 1; s <= 2; ++s) {
                auto* inSlot = new TPieceLabel(this);
                inSlot->setObjectName(QStringLiteral("Vlozeny%1%2%3")
                                          .arg(r)
                                          .arg(colour == Red ? QLatin1Char('R') : QLatin1Char('B'))
                                          .arg(s));
                colourText(inSlot, kPieceColours[colour]);
                connect(inSlot, &TPieceLabel::clicked, this, [this, piece] { LabelClick(piece); });
                Vlozeny[r - 1][colour][s - 1] = inSlot;
            }
            auto* token = new TDragToken(this);
            token->setObjectName(QStringLiteral("Oval%1").arg(r + 10 * colour));
            token->setTextColour(kPieceColours[colour]);
            connect(token, &TDragToken::dropped, this,
                    [this, piece](QPoint at) { OvalMouseUp(piece, at); });
            connect(token, &TDragToken::dragCancelled, this, [this, piece] { dragEnded(piece); });
            Oval[r - 1][colour] = token;
        }
        addMark(r, 599, 101 + 36 * (r - 1));
    }
    zakryti = new QWidget(this);
    zakryti->setObjectName(QStringLiteral("zakryti"));
    zakryti->setGeometry(18, 278, 616, 178);
    zakryti->setAutoFillBackground(true);
    zakryti->setCursor(programCursor(kArrowCursor));
    zakryti->hide();
}

void TwndPredp::StartExercise() {
    prepareBackground();
    countPage();
    DealPage();
}

void TwndPredp::countPage() {
    PageSize = predp::pageSize(ExamplesLeft);
    ExamplesLeft = ExamplesLeft > PageSize ? ExamplesLeft - PageSize : 0;
    if (PageSize < kRows) {
        QPalette colour = zakryti->palette();
        colour.setColor(QPalette::Window, Background.isNull()
                                              ? QColor(33, 89, 140)
                                              : stagePixelColor(Background, QPoint(17, 278)));
        zakryti->setPalette(colour);
        zakryti->show();
        zakryti->raise();
    } else {
        zakryti->hide();
    }
}

void TwndPredp::DealPage() {
    for (auto& tokens : Oval) {
        for (TDragToken* token : tokens)
            token->cancelDrag();
    }
    ExampleDrawer drawer(LoadGameSection(), predp::kLinesPerExample, &rng());
    PageExamples->Clear();
    const QVector<int> drawn = drawer.drawPage(PageSize, *UsedExamples, *PageExamples,
                                               gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= PageSize; ++r) {
        const QStringList lines = drawer.exampleLines(drawn[r - 1]);
        // The drawn line carries the drawer's "#" in front.
        rows[r - 1] = predp::parseExample(lines.value(0).mid(1), lines.value(1));
        dealRow(r);
    }
    for (int r = PageSize + 1; r <= kRows; ++r)
        hideRow(r);
    setAnswersActive(true);
}

void TwndPredp::dealRow(int r) {
    const PredpRow& row = rows[r - 1];
    placed[r - 1] = {};
    const int top = rowTop(r);
    const int size = predp::sentenceFontSize([&row](int pixelSize) {
        return QFontMetrics(screenFont(pixelSize)).horizontalAdvance(predp::measuredLine(row));
    });
    const QString texts[3] = {row.before + QLatin1Char(' '),
                              answers::spacedAfterGap(row.between) + QLatin1Char(' '),
                              answers::spacedAfterGap(row.after)};
    QLabel* labels[3] = {lbPred[r - 1], lbMezi[r - 1], lbZa[r - 1]};
    for (int i = 0; i < 3; ++i) {
        labels[i]->setFont(screenFont(size));
        labels[i]->setText(texts[i]);
        labels[i]->setGeometry(kSentenceLeft, top, textWidth(labels[i]), 20);
        labels[i]->show();
    }
    const QString pieceTexts[2] = {row.red, row.blue};
    for (Colour colour : {Red, Blue}) {
        lbVzor[r - 1][colour]->setText(pieceTexts[colour]);
        for (TPieceLabel* inSlot : Vlozeny[r - 1][colour])
            inSlot->clear();
    }
    const predp::HomeLefts lefts =
        predp::homeLefts(textWidth(lbVzor[r - 1][Red]), textWidth(lbVzor[r - 1][Blue]));
    for (Colour colour : {Red, Blue}) {
        TPieceLabel* home = lbVzor[r - 1][colour];
        home->setGeometry(colour == Red ? lefts.red : lefts.blue, top, textWidth(home), 20);
        TDragToken* token = Oval[r - 1][colour];
        token->setText(home->text());
        token->setTokenWidth(home->width() + 20);
        // The token's word lies exactly over the piece's word.
        token->Home = home->pos() - QPoint(10, 0);
        token->move(token->Home);
    }
    for (QLabel* slot : Terc[r - 1])
        slot->show();
    layoutRow(r);
}

predp::Place& TwndPredp::placeOf(Piece piece) {
    predp::Placement& p = placed[piece.row - 1];
    return piece.colour == Red ? p.red : p.blue;
}

void TwndPredp::layoutRow(int r) {
    const predp::Placement& where = placed[r - 1];
    const predp::ShownPieces shown = predp::shownPieces(rows[r - 1], where);
    const predp::Place places[2] = {where.red, where.blue};
    const QString texts[2] = {shown.red, shown.blue};
    std::array<predp::SlotPieces, 2> inSlots;
    for (Colour colour : {Red, Blue}) {
        const bool home = places[colour] == predp::Place::Home;
        lbVzor[r - 1][colour]->setVisible(home && dragged != Piece{r, colour});
        for (int s = 1; s <= 2; ++s) {
            TPieceLabel* inSlot = Vlozeny[r - 1][colour][s - 1];
            const bool here = places[colour] == static_cast<predp::Place>(s);
            inSlot->setText(here ? texts[colour] : QString());
            inSlot->setVisible(here);
            if (here)
                (colour == Red ? inSlots[s - 1].red : inSlots[s - 1].blue) = textWidth(inSlot);
        }
    }
    const int top = rowTop(r);
    const predp::RowLayout layout = predp::layoutRow(
        lbPred[r - 1]->x(), lbPred[r - 1]->width(), lbMezi[r - 1]->width(), inSlots[0], inSlots[1]);
    const predp::SlotLayout slotLayouts[2] = {layout.slot1, layout.slot2};
    for (int s = 1; s <= 2; ++s) {
        const predp::SlotLayout& slot = slotLayouts[s - 1];
        Terc[r - 1][s - 1]->setGeometry(slot.left, top, slot.width, 20);
        for (Colour colour : {Red, Blue}) {
            TPieceLabel* inSlot = Vlozeny[r - 1][colour][s - 1];
            inSlot->setGeometry(colour == Red ? slot.redLeft : slot.blueLeft, top,
                                textWidth(inSlot), 20);
            inSlot->raise();
        }
    }
    lbMezi[r - 1]->move(layout.middleLeft, top);
    lbZa[r - 1]->move(layout.afterLeft, top);
}

void TwndPredp::hideRow(int r) {
    for (QWidget* w : {static_cast<QWidget*>(lbPred[r - 1]), static_cast<QWidget*>(lbMezi[r - 1]),
                       static_cast<QWidget*>(lbZa[r - 1]), static_cast<QWidget*>(Terc[r - 1][0]),
                       static_cast<QWidget*>(Terc[r - 1][1])})
        w->hide();
    for (Colour colour : {Red, Blue}) {
        lbVzor[r - 1][colour]->hide();
        Oval[r - 1][colour]->hide();
        for (TPieceLabel* inSlot : Vlozeny[r - 1][colour])
            inSlot->hide();
    }
}

void TwndPredp::VzorMouseDown(Piece piece, QPoint at) {
    if (PageChecked || dragged)
        return;
    TPieceLabel* home = lbVzor[piece.row - 1][piece.colour];
    TDragToken* token = Oval[piece.row - 1][piece.colour];
    dragged = piece;
    home->hide();
    token->move(token->Home);
    token->beginDrag(at + home->pos() - token->pos());
}

void TwndPredp::OvalMouseUp(Piece piece, QPoint at) {
    dragged.reset();
    if (!PageChecked) {
        for (int s = 1; s <= 2; ++s) { // only the piece's own row takes it, slot 1 first
            if (TDragToken::hits(Terc[piece.row - 1][s - 1]->geometry(), at)) {
                placeOf(piece) = static_cast<predp::Place>(s);
                break;
            }
        }
    }
    layoutRow(piece.row);
}

void TwndPredp::dragEnded(Piece piece) {
    if (dragged == piece)
        dragged.reset();
    if (piece.row <= PageSize)
        layoutRow(piece.row); // the piece shows again in its place
}

void TwndPredp::LabelClick(Piece piece) {
    if (PageChecked)
        return;
    placeOf(piece) = predp::Place::Home;
    layoutRow(piece.row);
}

void TwndPredp::setAnswersActive(bool active) {
    if (!active) {
        for (auto& tokens : Oval) {
            for (TDragToken* token : tokens)
                token->cancelDrag();
        }
    }
    const QCursor cursor = programCursor(active ? kHandCursor : kArrowCursor);
    for (int r = 1; r <= kRows; ++r) {
        for (Colour colour : {Red, Blue}) {
            lbVzor[r - 1][colour]->setCursor(cursor);
            for (TPieceLabel* inSlot : Vlozeny[r - 1][colour])
                inSlot->setCursor(cursor);
        }
    }
}

} // namespace vz
