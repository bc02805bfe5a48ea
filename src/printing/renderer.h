#pragma once

#include "worksheet.h"

#include <QDate>
#include <QMarginsF>

class QPagedPaintDevice;
class QPainter;

namespace vz::printing {

// Margins every printer can print within, in millimetres (left, top, right, bottom).
inline const QMarginsF kPageMarginsMm{18, 15, 18, 15};

struct SheetHeader {
    QString pupilName; // empty: a line to write the name on
    QDate date;
};

// A4 upright with the margins above.
void preparePage(QPagedPaintDevice& device);

// Lays the worksheet out with `painter`, which is active on `device`: the
// header, the instruction, the word bank and the numbered items, then the
// key on a page of its own headed "Riešenie"; each page's number ("Strana 2")
// at its foot. Text wraps within the margins and an item that does not fit
// goes whole to the next page. Returns the number of pages.
int renderWorksheet(const Worksheet& sheet, const SheetHeader& header, QPagedPaintDevice& device,
                    QPainter& painter);

// A file name for the saved sheet: game code, name and date ("1a_Jana_Novakova_2024-05-02").
QString defaultFileStem(const QString& code, const QString& pupilName, const QDate& date);

} // namespace vz::printing
