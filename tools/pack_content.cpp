// Packs the German content (UTF-8 text) into the program's data files.
// Usage: vz_pack_content --scrambled <data.dat> <content.txt ...>
//        vz_pack_content --plain <file.dat> <source.txt>
//
// Fails, naming file and line, on text that is not UTF-8, on a character the
// Windows-1250 code page cannot hold, on an empty line, and (scrambled data)
// on a file that does not begin with a section header or on a section that
// breaks the rules of the drill that reads it.

#include "drills/content_check.h"
#include "store/cp1250.h"
#include "store/scramble.h"
#include "store/text_lines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextStream>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& where, const QString& what) {
    throw std::runtime_error((where + ": " + what).toStdString());
}

QStringList readContent(const QString& path, bool needsHeader) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("cannot read"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    if (utf8.hasError())
        fail(path, QStringLiteral("not UTF-8 text"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (int i = 0; i < lines.size(); ++i) {
        QString& line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString where = QStringLiteral("%1:%2").arg(path).arg(i + 1);
        if (line.isEmpty())
            fail(where, QStringLiteral("empty line"));
        for (QChar c : line) {
            if (!vz::cp1250::canEncode(c) || c.unicode() < 0x20)
                fail(where, QStringLiteral("character U+%1 cannot be stored")
                                .arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
    }
    if (needsHeader && (lines.isEmpty() || !lines.first().startsWith(QLatin1Char('['))))
        fail(path, QStringLiteral("must begin with a section header such as [1a]"));
    return lines;
}

// Every section is checked by the rules of its drill, so a malformed line
// fails the build instead of a game.
void checkSections(const QString& path, const QStringList& lines) {
    QStringList errors;
    for (int start = 0; start < lines.size();) {
        int end = start + 1;
        while (end < lines.size() && !lines[end].startsWith(QLatin1Char('[')))
            ++end;
        const QStringList body = lines.mid(start + 1, end - start - 1);
        for (const vz::ContentProblem& problem : vz::checkContentSection(lines[start], body)) {
            const int line = problem.line < 0 ? start + 1 : start + 2 + problem.line;
            errors << QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(problem.what);
        }
        start = end;
    }
    if (!errors.isEmpty())
        throw std::runtime_error(errors.join(QLatin1Char('\n')).toStdString());
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
                const QStringList content = readContent(source, true);
                checkSections(source, content);
                lines += content;
            }
            QByteArray bytes = vz::joinLines(lines);
            vz::ScrambleStream(bytes);
            save(args[1], bytes);
        } else if (args.size() == 3 && args[0] == QLatin1String("--plain")) {
            save(args[1], vz::joinLines(readContent(args[2], false)));
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
