#pragma once

#include <QStringList>
#include <optional>

namespace vz::printing {

// The teacher's tool: "--worksheet CODE --count N [--name TEXT] --output FILE.pdf"
// writes a worksheet and its key as a PDF without opening a window. Returns
// the exit status (0 written, 1 not written, 2 bad arguments), or nothing when
// the options do not ask for a worksheet. Messages go to stderr in Slovak.
// `iniSearchDirs` empty: the program's own search for VEVIDER.INI.
std::optional<int> answerWorksheetCommand(const QStringList& options,
                                          const QStringList& iniSearchDirs = {});

} // namespace vz::printing
