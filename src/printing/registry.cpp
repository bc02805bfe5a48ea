#include "registry.h"

#include "../screens/game_catalogue.h"
#include "../store/app_error.h"

namespace vz::printing {

#define VZ_GAME_SHEET(number, function) Worksheet function(const SheetRequest&);
#define VZ_TOPIC_SHEET(number, function) Worksheet function(const SheetRequest&);
#include "worksheets.def"
#undef VZ_GAME_SHEET
#undef VZ_TOPIC_SHEET

QString SheetEntry::code() const {
    const GameInfo* game = findGame(gameNumber);
    return game ? game->code() : QString();
}

QString SheetEntry::entryPoint() const {
    return topics ? QStringLiteral("Slovicka")
                  : QStringLiteral("Hra") + QString::number(gameNumber);
}

const QVector<SheetEntry>& sheetEntries() {
    static const QVector<SheetEntry> entries = {
#define VZ_GAME_SHEET(number, function) {number, &function, false},
#define VZ_TOPIC_SHEET(number, function) {number, &function, true},
#include "worksheets.def"
#undef VZ_GAME_SHEET
#undef VZ_TOPIC_SHEET
    };
    return entries;
}

const SheetEntry* findSheet(const QString& code) {
    for (const SheetEntry& entry : sheetEntries()) {
        if (entry.code().compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

const SheetEntry& sheetFor(const QString& code) {
    const SheetEntry* entry = findSheet(code);
    if (!entry) {
        const GameInfo* game = nullptr;
        for (const GameInfo& g : GameCatalogue())
            if (g.code().compare(code.trimmed(), Qt::CaseInsensitive) == 0)
                game = &g;
        throw WorksheetError(game ? QStringLiteral("Hra ") + game->code() +
                                        (game->printable
                                             ? QStringLiteral(" zatiaľ nemá pracovný list.")
                                             : QStringLiteral(" nemá pracovný list."))
                                  : QStringLiteral("Neznámy kód hry \"") + code +
                                        QStringLiteral("\". Kódy hier sú 1a až 7e."));
    }
    return *entry;
}

Worksheet makeWorksheet(const QString& code, int count, const QStringList& data,
                        const QStringList& topics, QRandomGenerator* random) {
    const SheetEntry* entry = &sheetFor(code);
    if (count < 1)
        throw WorksheetError(QStringLiteral("Počet príkladov musí byť aspoň 1."));
    SheetRequest request;
    request.game = findGame(entry->gameNumber);
    request.data = data;
    request.count = count;
    request.topics = topics;
    request.random = random ? random : QRandomGenerator::global();
    try {
        Worksheet sheet = entry->build(request);
        sheet.code = request.game->code();
        sheet.title = request.game->title;
        return sheet;
    } catch (const AppError& error) {
        // A content section that is missing or broken.
        throw WorksheetError(QStringLiteral("Obsah hry ") + request.game->code() +
                             QStringLiteral(" sa nedá prečítať (") + error.message() +
                             QStringLiteral(")."));
    }
}

} // namespace vz::printing
