#pragma once

#include <QStringList>

namespace vz {

// vevider --results [--output FILE.csv]: writes the results log of the
// installation (Vysledky.dat in its data folder) as a CSV table, to the file
// or to standard output. Damaged records are named on standard error with
// their line and left out. Opens no window. `arguments` are the program's
// whole command line. Returns the exit status: 0 every record converted,
// 1 some left out, 2 nothing written (bad arguments, no installation, the
// log unreadable, the output unwritable).
int runResultsCommand(const QStringList& arguments);

} // namespace vz
