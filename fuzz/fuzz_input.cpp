#include "fuzz_input.h"

#include <QDir>
#include <QFile>
#include <string>
#include <unistd.h>

namespace vz::fuzz {
namespace {

// Kept as a plain string so that it outlives Qt's statics at exit.
std::string& folderPath() {
    static std::string path;
    return path;
}

} // namespace

QString inputFile(const QByteArray& content, const QString& name) {
    if (folderPath().empty()) {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        const QString folder = base + QStringLiteral("/vz-fuzz-") + QString::number(getpid());
        QDir().mkpath(folder);
        folderPath() = folder.toStdString();
        std::atexit([] { QDir(QString::fromStdString(folderPath())).removeRecursively(); });
    }
    const QString path = QString::fromStdString(folderPath()) + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        std::abort();
    return path;
}

} // namespace vz::fuzz
