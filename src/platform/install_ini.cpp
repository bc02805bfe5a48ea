#include "install_ini.h"

#include "../store/cp1250.h"
#include "../store/text_lines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vz::platform {
namespace {

QString installDir(const QString& value, const QString& iniPath) {
    QString dir = value;
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isRelativePath(dir))
        dir = QFileInfo(iniPath).absoluteDir().filePath(dir);
    dir = QDir::cleanPath(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QStringList defaultIniSearchDirs() {
    QStringList dirs;
    // Lets a maintainer start an installation that is not in its final place.
    const QString chosen = qEnvironmentVariable("VEVIDER_INI_DIR");
    if (!chosen.isEmpty())
        dirs << chosen;
    return dirs << QCoreApplication::applicationDirPath() << QStringLiteral("/etc");
}

std::optional<QString> findInstallIni(const QStringList& searchDirs) {
    for (const QString& dir : searchDirs) {
        const QString path = QDir(dir).filePath(kInstallIniName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return std::nullopt;
}

QString readIniValue(const QString& iniPath, const QString& section, const QString& key) {
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inSection = false;
    for (const QString& raw : splitLines(file.readAll())) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection =
                line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq < 0)
            continue;
        if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            QString value = line.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
                value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            return value;
        }
    }
    return {};
}

std::optional<InstallPaths> readInstallPaths(const QString& iniPath) {
    const QString resource = readIniValue(iniPath, QStringLiteral("DID1"), QStringLiteral("CD"));
    const QString data = readIniValue(iniPath, QStringLiteral("DID1"), QStringLiteral("HD"));
    if (resource.isEmpty() || data.isEmpty())
        return std::nullopt;
    return InstallPaths{installDir(resource, iniPath), installDir(data, iniPath)};
}

} // namespace vz::platform
