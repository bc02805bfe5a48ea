#pragma once

#include <QString>
#include <QStringList>

namespace vz::printing {

// The installation as the program finds it: VEVIDER.INI in the usual
// folders, the resource and data folders it names, the content of data.dat.
struct Installation {
    QString resourceDir; // ends with "/"
    QStringList data;    // the lines of data.dat
};

// Raises WorksheetError with a Slovak message when the installation or its
// content cannot be read.
Installation openInstallation(const QStringList& iniSearchDirs);

// Registers the fonts of the installation (Liberation Sans) unless the
// program has done so already.
void registerSheetFont(const QString& resourceDir);

} // namespace vz::printing
