#pragma once

#include <QImage>
#include <QLabel>

namespace vz {

// Small pieces the drill forms build their rows from.

// A transparent text label of a row: 16-pixel font, arrow cursor.
QLabel* rowLabel(QWidget* parent, const QRect& geometry,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// The plain panel that covers rows 6 ... 10 of a five-row page (hidden).
QWidget* coverPanel(QWidget* parent, const QRect& geometry);
// Shows the cover in the colour of the background's pixel at `colourAt`.
void showCover(QWidget* cover, const QImage& background, QPoint colourAt);

// The largest font size from 16 down (8 at the least) at which `text` is
// narrower than `limit` pixels.
int fittingFontSize(const QString& text, int limit);

// Lays a sentence out around its answer field: `before` keeps its left edge
// and gets text before + " ", the field follows with `fieldWidth`, then
// `after` with " " + text after. Both labels take the font size `size`.
void layoutSentence(QLabel* before, QWidget* field, QLabel* after, const QString& beforeText,
                    const QString& afterText, int size, int fieldWidth);

// Sets a label's text and font size and fits its width to the text.
void setFittedText(QLabel* label, const QString& text, int size);

} // namespace vz
