// Packs the German content (UTF-8 text) into the program's data files.
// Usage: vz_pack_content --scrambled <data.dat> <content.txt ...>
//        vz_pack_content --plain <file.dat> <source.txt>
//
// Fails, naming file and line, on text that is not UTF-8, on a character the
// Windows-1250 code page cannot hold, on an empty line, and (scrambled data)
// on a file that does not begin with a section header or on a section that
// breaks the rules of the drill that reads it.

#include "content_packer.h"
#include "store/text_lines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& where, const QString& what) {
    throw std::runtime_error((where + ": " + what).toStdString());
}

QStringList readContentFile(const QString& path, bool needsHeader) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("cannot read"));
    return vz::packer::readContent(file.readAll(), path, needsHeader);
}

void save(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(path, QStringLiteral("cannot write"));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() >= 2 && args[0] == QLatin1String("--scrambled")) {
            QStringList lines;
            for (const QString& source : args.mid(2)) {
                const QStringList content = readContentFile(source, true);
                vz::packer::checkSections(source, content);
                lines += content;
            }
            save(args[1], vz::packer::packScrambled(lines));
        } else if (args.size() == 3 && args[0] == QLatin1String("--plain")) {
            save(args[1], vz::joinLines(readContentFile(args[2], false)));
        } else {
            QTextStream(stderr)
                << "usage: vz_pack_content --scrambled <out> <in...> | --plain <out> <in>\n";
            return 2;
        }
    } catch (const std::exception& error) {
        QTextStream(stderr) << "vz_pack_content: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
