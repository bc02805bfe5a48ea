#include "row_layout.h"

#include "../app/cursors.h"
#include "../app/stage_image.h"
#include "../controls/fonts.h"
#include "answer_text.h"

#include <QFontMetrics>

namespace vz {

QLabel* rowLabel(QWidget* parent, const QRect& geometry, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setFont(screenFont(16));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setCursor(programCursor(kArrowCursor));
    return label;
}

QWidget* coverPanel(QWidget* parent, const QRect& geometry) {
    auto* cover = new QWidget(parent);
    cover->setObjectName(QStringLiteral("zakryti"));
    cover->setGeometry(geometry);
    cover->setAutoFillBackground(true);
    cover->setCursor(programCursor(kArrowCursor));
    cover->hide();
    return cover;
}

void showCover(QWidget* cover, const QImage& background, QPoint colourAt) {
    QPalette colour = cover->palette();
    colour.setColor(QPalette::Window, background.isNull() ? QColor(33, 89, 140)
                                                          : stagePixelColor(background, colourAt));
    cover->setPalette(colour);
    cover->show();
    cover->raise();
}

int fittingFontSize(const QString& text, int limit) {
    int size = 16;
    while (size > 8 && QFontMetrics(screenFont(size)).horizontalAdvance(text) >= limit)
        --size;
    return size;
}

void setFittedText(QLabel* label, const QString& text, int size) {
    const QFont font = screenFont(size);
    if (label->font() != font) // setting even the same font resolves it for every child again
        label->setFont(font);
    label->setText(text);
    label->resize(QFontMetrics(label->font()).horizontalAdvance(text), label->height());
}

void layoutSentence(QLabel* before, QWidget* field, QLabel* after, const QString& beforeText,
                    const QString& afterText, int size, int fieldWidth) {
    setFittedText(before, beforeText + QLatin1Char(' '), size);
    field->setGeometry(before->x() + before->width(), before->y(), fieldWidth, field->height());
    setFittedText(after, answers::spacedAfterGap(afterText), size);
    after->move(field->x() + fieldWidth, before->y());
}

} // namespace vz
