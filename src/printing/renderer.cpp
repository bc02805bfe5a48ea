#include "renderer.h"

#include "../drills/numbers/clock_drawing.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextOption>

namespace vz::printing {
namespace {

const QString kFamily = QStringLiteral("Liberation Sans");

QFont sheetFont(double points, bool bold = false) {
    QFont font(kFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Writes blocks of text down the page and starts a new page when the next
// block does not fit on this one. Every page gets its number at the foot.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter)
        : device(device), painter(painter), width(device.width()),
          point(device.logicalDpiY() / 72.0), footerFont(sheetFont(9)),
          height(device.height() - footerBand()) {
        // Long words without a space (a name, a compound) are broken anywhere.
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    double pt(double points) const { return points * point; }
    double mm(double millimetres) const { return pt(millimetres * 72 / 25.4); }
    int pages() const { return pageCount; }

    void newPage() {
        footer();
        device.newPage();
        ++pageCount;
        y = 0;
    }

    // The number of the last page.
    void finish() { footer(); }

    // Text from `indent` to the right margin; `spaceAfter` in points.
    void text(const QString& text, const QFont& font, double spaceAfter, double indent = 0) {
        painter.setFont(font);
        const QRectF box = measure(text, width - indent, option);
        makeRoom(box.height());
        painter.drawText(QRectF(indent, y, width - indent, box.height()), text, option);
        y += box.height() + pt(spaceAfter);
    }

    // A numbered line of text: the number at the margin, the text beside it.
    void item(int number, const QString& text, const QFont& font) {
        WorksheetItem line;
        line.task = text;
        item(number, line, font);
    }

    // A numbered item: the number at the margin, beside it the item's clock
    // face with the text under it, or its text; the words to cross out in
    // columns; the box to number with its text in the right half.
    void item(int number, const WorksheetItem& item, const QFont& font) {
        painter.setFont(font);
        const double indent = painter.fontMetrics().horizontalAdvance(QStringLiteral("000. "));
        const double lineHeight = painter.fontMetrics().height();
        const bool boxed = !item.boxed.isEmpty();
        const double column = (width - indent) / 2;

        WorksheetItem task = item;
        task.boxed.clear();
        const QString text = printedTask(task);
        const double textWidth = boxed ? column - pt(6) : width - indent;
        // Words to cross out stand each in a column of its own.
        QStringList columns{text};
        if (item.crossOut && !item.choices.isEmpty())
            columns = text.split(QLatin1Char('\t'));
        const double columnWidth = textWidth / columns.size();
        const double gutter = columns.size() > 1 ? pt(6) : 0;
        double textHeight = 0;
        for (const QString& words : columns)
            textHeight = qMax(textHeight, measure(words, columnWidth - gutter, option).height());

        const double clockSide = item.clock.isValid() ? mm(26) : 0;
        const double picture = item.clock.isValid() ? clockSide + pt(4) : 0;
        const QSizeF box(pt(26), lineHeight + pt(4));
        const double shift = boxed ? (box.height() - lineHeight) / 2 : 0; // text beside the box
        const double boxedLeft = indent + column + box.width() + pt(6);
        double rowHeight = textHeight + shift;
        if (boxed)
            rowHeight = qMax(rowHeight,
                             qMax(box.height(),
                                  measure(item.boxed, width - boxedLeft, option).height() + shift));
        makeRoom(picture + rowHeight);

        painter.drawText(QRectF(0, y + shift, indent, lineHeight), QString::number(number) + '.',
                         QTextOption(Qt::AlignLeft));
        if (item.clock.isValid()) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(indent + clockSide / 2, y + clockSide / 2);
            painter.scale(clockSide / clock::kSide, clockSide / clock::kSide);
            clock::paintDial(painter);
            clock::paintHands(painter, hod::handAngles(item.clock.hour(), item.clock.minute()));
            painter.restore();
        }
        const double top = y + picture;
        for (int k = 0; k < columns.size(); ++k)
            painter.drawText(QRectF(indent + k * columnWidth, top + shift, columnWidth - gutter,
                                    rowHeight - shift),
                             columns[k], option);
        if (boxed) {
            painter.drawRect(QRectF(QPointF(indent + column, top), box));
            painter.drawText(QRectF(boxedLeft, top + shift, width - boxedLeft, rowHeight - shift),
                             item.boxed, option);
        }
        y += picture + rowHeight + pt(7);
    }

    // The words to choose from, in a frame.
    void frame(const QString& text, const QFont& font) {
        painter.setFont(font);
        const double pad = pt(6);
        const QRectF box = measure(text, width - 2 * pad, option);
        makeRoom(box.height() + 2 * pad);
        painter.drawRect(QRectF(0, y, width, box.height() + 2 * pad));
        painter.drawText(QRectF(pad, y + pad, width - 2 * pad, box.height()), text, option);
        y += box.height() + 2 * pad + pt(12);
    }

    void rule(double spaceAfter) {
        makeRoom(pt(2));
        painter.drawLine(QPointF(0, y), QPointF(width, y));
        y += pt(spaceAfter);
    }

private:
    QRectF measure(const QString& text, double textWidth, const QTextOption& textOption) const {
        return painter.boundingRect(QRectF(0, 0, textWidth, 1e9), text, textOption);
    }

    void makeRoom(double blockHeight) {
        if (y > 0 && y + blockHeight > height)
            newPage();
    }

    // The height kept free at the foot of each page for its number.
    double footerBand() const { return QFontMetricsF(footerFont, &device).height() + pt(6); }

    void footer() {
        painter.setFont(footerFont);
        const double textHeight = painter.fontMetrics().height();
        painter.drawText(QRectF(0, device.height() - textHeight, width, textHeight),
                         QStringLiteral("Strana ") + QString::number(pageCount),
                         QTextOption(Qt::AlignHCenter));
    }

    QPagedPaintDevice& device;
    QPainter& painter;
    const double width;
    const double point;
    const QFont footerFont;
    const double height; // above the page number
    QTextOption option;
    double y = 0;
    int pageCount = 1;
};

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("d. M. yyyy"));
}

QString keyLine(const WorksheetItem& item) {
    return item.key.isEmpty() ? item.answer : item.key;
}

} // namespace

void preparePage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     kPageMarginsMm, QPageLayout::Millimeter));
}

int renderWorksheet(const Worksheet& sheet, const SheetHeader& header, QPagedPaintDevice& device,
                    QPainter& painter) {
    painter.setPen(Qt::black);
    PageWriter page(device, painter);
    const QFont title = sheetFont(16, true);
    const QFont body = sheetFont(11);
    const QString blank = QStringLiteral("____________________");

    page.text(sheet.title, title, 6);
    page.text(QStringLiteral("Meno: ") +
                  (header.pupilName.trimmed().isEmpty() ? blank : header.pupilName.trimmed()),
              body, 3);
    page.text(QStringLiteral("Dátum: ") + dateText(header.date), body, 3);
    page.text(QStringLiteral("Trieda: ________    Známka: ________"), body, 6);
    page.rule(10);
    page.text(sheet.instruction, sheetFont(11, true), 10);
    if (!sheet.wordBank.isEmpty())
        page.frame(sheet.wordBank.join(QStringLiteral("   ·   ")), body);
    for (int i = 0; i < sheet.items.size(); ++i)
        page.item(i + 1, sheet.items[i], body);

    page.newPage();
    page.text(QStringLiteral("Riešenie"), title, 4);
    page.text(sheet.title + QStringLiteral(" – ") + dateText(header.date), body, 4);
    page.rule(10);
    for (int i = 0; i < sheet.items.size(); ++i)
        page.item(i + 1, keyLine(sheet.items[i]), body);
    page.finish();
    return page.pages();
}

QString defaultFileStem(const QString& code, const QString& pupilName, const QDate& date) {
    QString name = pupilName.trimmed();
    // Characters a file name cannot or should not hold become "_".
    name.replace(QRegularExpression(QStringLiteral("[\\s/\\\\:*?\"<>|]+")), QStringLiteral("_"));
    QStringList parts{code};
    if (!name.isEmpty())
        parts << name.left(60);
    parts << date.toString(Qt::ISODate);
    return parts.join(QLatin1Char('_'));
}

} // namespace vz::printing
