#include "data_files.h"

#include "app_error.h"
#include "scramble.h"
#include "text_lines.h"

#include <QFile>
#include <QSaveFile>

namespace vz {

QStringList loadScrambledLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw cannotOpen(path, file.errorString());
    ScrambleStream(bytes);
    return splitLines(bytes);
}

void saveScrambledLines(const QString& path, const QStringList& lines) {
    QByteArray bytes = joinLines(lines);
    ScrambleStream(bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

} // namespace vz
