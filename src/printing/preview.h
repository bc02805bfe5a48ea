#pragma once

#include <QByteArray>
#include <QStringList>

namespace vz::printing {

// What an entry point of the library does: builds the worksheet of the game
// and shows it in a print preview over the program's window until the user
// closes it. `topicFlags` (one byte per topic slot) only for the vocabulary
// game. Every failure ends in a message box; nothing escapes.
void previewWorksheet(int gameNumber, const unsigned char* shortName, int count,
                      const unsigned char* topicFlags = nullptr);

} // namespace vz::printing
