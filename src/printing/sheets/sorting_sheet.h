#pragma once

#include "../worksheet.h"

#include <QVector>

namespace vz::sorting {
struct Game;
}

namespace vz::printing {

// A word of a sorting game (3a, 7a, 4d) and the column it belongs to, named
// as the drill names the column's section ("der", "kein", "wohin" ...).
struct SortedWord {
    QString word;
    QString column;
};

// Draws `request.count` different words from the game's column sections
// with the drill's own dealing, in random order. Each column gets its share
// in proportion to the words it holds. Raises WorksheetError when the
// sections hold fewer words.
QVector<SortedWord> drawSortedWords(const SheetRequest& request, const sorting::Game& game);

// The column names of the game, in the drill's order: the choices of a sheet.
QStringList columnNames(const sorting::Game& game);

} // namespace vz::printing
