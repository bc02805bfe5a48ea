#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vz::platform {

inline const QString kInstallIniName = QStringLiteral("VEVIDER.INI");

// The folders searched for VEVIDER.INI, in order: the folder named by
// VEVIDER_INI_DIR when set, beside the executable, then the system
// configuration folder.
QStringList defaultIniSearchDirs();

// The first VEVIDER.INI found in the folders, or nothing.
std::optional<QString> findInstallIni(const QStringList& searchDirs);

// Reads one value of a Windows-style INI file (Windows-1250 text). Section
// and key names ignore letter case, as the Windows profile functions do.
// Backslashes are taken literally. Missing file, section or key: empty.
QString readIniValue(const QString& iniPath, const QString& section, const QString& key);

// The two folders an installation names in [DID1] of its VEVIDER.INI, each
// ending in '/'.
struct InstallPaths {
    QString resourceDir; // CD: pictures, sounds, fonts, the print library
    QString dataDir;     // HD: content, best-results tables, results log
};

// Reads the folders from the INI file; a relative folder is taken from the
// INI file's own folder, so an installation can be moved as a whole. Nothing
// when either value is missing. Whether the folders exist is left to the
// caller.
std::optional<InstallPaths> readInstallPaths(const QString& iniPath);

} // namespace vz::platform
