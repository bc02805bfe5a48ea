#include "section_reader.h"

#include "app_error.h"

namespace vz {
namespace {

bool textContains(const QStringList& lines, const QString& needle) {
    // The header may not straddle two lines, so a per-line search finds
    // exactly what a search of the joined text would (headers hold no CR LF).
    for (const QString& line : lines) {
        if (line.contains(needle, Qt::CaseSensitive))
            return true;
    }
    return false;
}

} // namespace

QStringList readSection(const QStringList& lines, const QString& header) {
    if (header.isEmpty() || !textContains(lines, header))
        throw cannotOpen(header);

    qsizetype start = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(header, Qt::CaseInsensitive) == 0) {
            start = i;
            break;
        }
    }
    if (start < 0)
        throw cannotOpen(header);

    QStringList body;
    for (qsizetype i = start + 1; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1Char('[')))
            break;
        body << lines[i];
    }
    return body;
}

QString gameSectionHeader(int group, QChar letter) {
    return QStringLiteral("[%1%2]").arg(group).arg(letter);
}

} // namespace vz
