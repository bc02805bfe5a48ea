#include "data_files.h"

#include "app_error.h"
#include "scramble.h"
#include "text_lines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace vz {

namespace {

QByteArray readUnscrambled(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw cannotOpen(path, file.errorString());
    ScrambleStream(bytes);
    return bytes;
}

bool isDamageByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 && c != '\r' && c != '\n' && c != '\t';
}

} // namespace

QStringList loadScrambledLines(const QString& path) {
    return splitLines(readUnscrambled(path));
}

TabFile loadTabFile(const QString& path) {
    QByteArray bytes = readUnscrambled(path);
    TabFile tab;
    tab.damaged = std::any_of(bytes.cbegin(), bytes.cend(), isDamageByte);
    bytes.removeIf(isDamageByte);
    tab.lines = splitLines(bytes);
    return tab;
}

QString keepDamagedCopy(const QString& path, const QDateTime& now) {
    const QString copy =
        path + QStringLiteral(".poskodeny-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFile::exists(copy) || !QFile::copy(path, copy))
        return {};
    return copy;
}

void saveScrambledLines(const QString& path, const QStringList& lines) {
    QByteArray bytes = joinLines(lines);
    ScrambleStream(bytes);
    QSaveFile file(path);
    // In a folder the pupil may not change, the file is written in place.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a write the disk refuses part way fails here: a
    // buffered one failed only in commit(), which then put the cut-off file
    // in place of the whole old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError || !file.commit())
        throw AppError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

bool resultsWritable(const QString& dataDir) {
    for (const char* name : {"tab.dat", "Vysledky.dat"}) {
        const QFileInfo file(QDir(dataDir).filePath(QLatin1String(name)));
        if (!(file.exists() ? file.isWritable() : QFileInfo(dataDir).isWritable()))
            return false;
    }
    return true;
}

} // namespace vz
