#include "installation.h"

#include "../platform/install_ini.h"
#include "../store/app_error.h"
#include "../store/data_files.h"
#include "worksheet.h"

#include <QDir>
#include <QFontDatabase>

namespace vz::printing {

Installation openInstallation(const QStringList& iniSearchDirs) {
    const auto ini = platform::findInstallIni(iniSearchDirs);
    if (!ini)
        throw WorksheetError(QStringLiteral("Súbor VEVIDER.INI sa nenašiel v priečinkoch: ") +
                             iniSearchDirs.join(QStringLiteral(", ")) + QLatin1Char('.'));
    const auto paths = platform::readInstallPaths(*ini);
    if (!paths)
        throw WorksheetError(QStringLiteral("V súbore ") + *ini +
                             QStringLiteral(" chýba priečinok zdrojov alebo údajov."));
    Installation installation;
    installation.resourceDir = paths->resourceDir;
    const QString dataFile = paths->dataDir + QStringLiteral("data.dat");
    try {
        installation.data = loadScrambledLines(dataFile);
    } catch (const AppError&) {
        throw WorksheetError(QStringLiteral("Obsah hier sa nedá prečítať zo súboru ") + dataFile +
                             QLatin1Char('.'));
    }
    return installation;
}

void registerSheetFont(const QString& resourceDir) {
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        return;
    const QDir fonts(resourceDir + QStringLiteral("font"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

} // namespace vz::printing
