#include "pdf_output.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace vz::printing {

void writeWorksheetPdf(const Worksheet& sheet, const SheetHeader& header, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
        throw WorksheetError(QStringLiteral("Do súboru \"") + shown +
                             QStringLiteral("\" sa nedá zapisovať. Skontrolujte, či priečinok "
                                            "existuje a či doň môžete zapisovať."));
    {
        QPdfWriter writer(&file);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Vevider Zuduzad"));
        preparePage(writer);
        QPainter painter;
        if (!painter.begin(&writer))
            throw WorksheetError(QStringLiteral("Súbor \"") + shown +
                                 QStringLiteral("\" sa nepodarilo vytvoriť."));
        renderWorksheet(sheet, header, writer, painter);
        painter.end();
    }
    if (!file.commit())
        throw WorksheetError(QStringLiteral("Súbor \"") + shown +
                             QStringLiteral("\" sa nepodarilo uložiť (plný disk?)."));
}

} // namespace vz::printing
