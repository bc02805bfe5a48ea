#pragma once

#include "worksheet.h"

#include <QVector>

namespace vz::printing {

using SheetBuilder = Worksheet (*)(const SheetRequest&);

struct SheetEntry {
    int gameNumber = 0;
    SheetBuilder build = nullptr;
    bool topics = false; // printed through "Slovicka", not "Hra<number>"

    QString code() const;
    QString entryPoint() const; // "Hra1" or "Slovicka"
};

// Every game with a worksheet, in menu order.
const QVector<SheetEntry>& sheetEntries();
// nullptr when the game has no worksheet.
const SheetEntry* findSheet(const QString& code);

// The entry of `code`; raises WorksheetError saying why there is none.
const SheetEntry& sheetFor(const QString& code);

// Builds the worksheet of `code`: checks the code and the count, then calls
// its builder. Raises WorksheetError with a Slovak message.
Worksheet makeWorksheet(const QString& code, int count, const QStringList& data,
                        const QStringList& topics = {}, QRandomGenerator* random = nullptr);

} // namespace vz::printing
