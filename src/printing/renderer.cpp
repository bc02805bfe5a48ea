#include "renderer.h"

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
// block does not fit on this one.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter)
        : device(device), painter(painter), width(device.width()), height(device.height()),
          point(device.logicalDpiY() / 72.0) {
        // Long words without a space (a name, a compound) are broken anywhere.
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    double pt(double points) const { return points * point; }
    int pages() const { return pageCount; }

    void newPage() {
        device.newPage();
        ++pageCount;
        y = 0;
    }

    // Text from `indent` to the right margin; `spaceAfter` in points.
    void text(const QString& text, const QFont& font, double spaceAfter, double indent = 0) {
        painter.setFont(font);
        const QRectF box = measure(text, indent);
        makeRoom(box.height());
        painter.drawText(QRectF(indent, y, width - indent, box.height()), text, option);
        y += box.height() + pt(spaceAfter);
    }

    // A numbered item: the number at the margin, the text beside it.
    void item(int number, const QString& text, const QFont& font) {
        painter.setFont(font);
        const double indent = painter.fontMetrics().horizontalAdvance(QStringLiteral("000. "));
        const QRectF box = measure(text, indent);
        makeRoom(box.height());
        painter.drawText(QRectF(0, y, indent, box.height()), QString::number(number) + '.',
                         QTextOption(Qt::AlignLeft));
        painter.drawText(QRectF(indent, y, width - indent, box.height()), text, option);
        y += box.height() + pt(7);
    }

    // The words to choose from, in a frame.
    void frame(const QString& text, const QFont& font) {
        painter.setFont(font);
        const double pad = pt(6);
        const QRectF box = measure(text, 2 * pad);
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
    QRectF measure(const QString& text, double indent) const {
        return painter.boundingRect(QRectF(0, 0, width - indent, 1e9), text, option);
    }

    void makeRoom(double blockHeight) {
        if (y > 0 && y + blockHeight > height)
            newPage();
    }

    QPagedPaintDevice& device;
    QPainter& painter;
    const double width;
    const double height;
    const double point;
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
        page.item(i + 1, printedTask(sheet.items[i]), body);

    page.newPage();
    page.text(QStringLiteral("Riešenie"), title, 4);
    page.text(sheet.title + QStringLiteral(" – ") + dateText(header.date), body, 4);
    page.rule(10);
    for (int i = 0; i < sheet.items.size(); ++i)
        page.item(i + 1, keyLine(sheet.items[i]), body);
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
