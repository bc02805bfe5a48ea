#include "tazzajm_form.h"

#include "../../app/globals.h"
#include "../../controls/align_edit.h"
#include "../../controls/letter_buttons.h"
#include "../../exercise/row_layout.h"
#include "../../store/section_reader.h"

namespace vz {
namespace {

constexpr int kStatementLeft = 86;
constexpr int kStatementWidth = 474;
constexpr int kPieceGap = 4;
constexpr int kQuestionWidth = 373;

int statementTop(int r) {
    return 130 + 60 * (r - 1);
}
int questionTop(int r) {
    return 151 + 60 * (r - 1);
}

void setColour(QLabel* label, const QColor& colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

} // namespace

TwndTazZajm::TwndTazZajm(QWidget* stage) : TTypedAnswerForm(stage) {
    setObjectName(QStringLiteral("wndTazZajm"));
    edCaret->move(24, 80);
    for (int r = 1; r <= kRows; ++r) {
        addField(r, QRect(87, questionTop(r), 100, 20));
        Label[r - 1] = rowLabel(this, QRect(190, questionTop(r), 0, 20));
        Label[r - 1]->setObjectName(QStringLiteral("Label%1").arg(r));
        setColour(Label[r - 1], Qt::black);
        addMark(r, 577, 135 + 60 * (r - 1));
    }
}

void TwndTazZajm::StartExercise() {
    prepareBackground();
    letters->drawInto(Background);
    PageSize = kRows;
    DealPage();
}

bool TwndTazZajm::examplesRemain() {
    ExamplesLeft = ExamplesLeft > kRows ? ExamplesLeft - kRows : 0;
    return ExamplesLeft > 0;
}

void TwndTazZajm::DealPage() {
    PageExamples->Clear();
    const QVector<QuestionRow> dealt =
        tazzajm::dealPage(LoadGameSection(), PageSize, *UsedExamples, *PageExamples, rng(),
                          gameSectionHeader(GameGroup, GameLetter));
    for (int r = 1; r <= kRows; ++r) {
        rows[r - 1] = dealt[r - 1];
        buildRow(r);
    }
    openFields(PageSize);
    update();
}

void TwndTazZajm::buildRow(int r) {
    QVector<QLabel*>& pool = piecePool[r - 1];
    pieces[r - 1].clear();
    const QVector<StatementToken> tokens = tazzajm::statementTokens(rows[r - 1]);
    QString written;
    for (const StatementToken& token : tokens)
        written += token.text;
    // The font shrinks while the pieces are wider than the row less the gaps.
    const int gaps = kPieceGap * qMax(0, int(tokens.size()) - 1);
    const int size = fittingFontSize(written, kStatementWidth - gaps + 1);
    int right = kStatementLeft;
    for (int k = 0; k < tokens.size(); ++k) {
        const int left = k == 0 || tokens[k].attached ? right : right + kPieceGap;
        if (k == pool.size())
            pool << rowLabel(this, QRect(left, statementTop(r), 0, 20));
        QLabel* piece = pool[k];
        piece->setGeometry(left, statementTop(r), 0, 20);
        setColour(piece, tokens[k].asked ? QColor(202, 0, 0) : QColor(Qt::black));
        setFittedText(piece, tokens[k].text, size);
        right = piece->x() + piece->width();
        piece->show();
        pieces[r - 1] << piece;
    }
    for (int k = int(tokens.size()); k < pool.size(); ++k)
        pool[k]->hide();
    const QString& rest = rows[r - 1].questionRest;
    setFittedText(Label[r - 1], rest, fittingFontSize(rest, kQuestionWidth));
}

} // namespace vz
