#include "content_packer.h"

#include "drills/content_check.h"
#include "store/cp1250.h"
#include "store/scramble.h"
#include "store/text_lines.h"

#include <QStringDecoder>

namespace vz::packer {
namespace {

[[noreturn]] void fail(const QString& where, const QString& what) {
    throw ContentError((where + QStringLiteral(": ") + what).toStdString());
}

} // namespace

QStringList readContent(const QByteArray& utf8, const QString& path, bool needsHeader) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(utf8);
    if (decoder.hasError())
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
            if (!cp1250::canEncode(c) || c.unicode() < 0x20)
                fail(where, QStringLiteral("character U+%1 cannot be stored")
                                .arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
    }
    if (needsHeader && (lines.isEmpty() || !lines.first().startsWith(QLatin1Char('['))))
        fail(path, QStringLiteral("must begin with a section header such as [1a]"));
    return lines;
}

void checkSections(const QString& path, const QStringList& lines) {
    QStringList errors;
    for (int start = 0; start < lines.size();) {
        int end = start + 1;
        while (end < lines.size() && !lines[end].startsWith(QLatin1Char('[')))
            ++end;
        const QStringList body = lines.mid(start + 1, end - start - 1);
        for (const ContentProblem& problem : checkContentSection(lines[start], body)) {
            const int line = problem.line < 0 ? start + 1 : start + 2 + problem.line;
            errors << QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(problem.what);
        }
        start = end;
    }
    if (!errors.isEmpty())
        throw ContentError(errors.join(QLatin1Char('\n')).toStdString());
}

QByteArray packScrambled(const QStringList& lines) {
    QByteArray bytes = joinLines(lines);
    ScrambleStream(bytes);
    return bytes;
}

} // namespace vz::packer
