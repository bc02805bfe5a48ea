#include "text_lines.h"

#include "cp1250.h"

namespace vz {

QStringList splitLines(const QByteArray& cp1250Text) {
    qsizetype end = cp1250Text.indexOf('\0');
    if (end < 0)
        end = cp1250Text.size();

    const QByteArrayView text(cp1250Text);
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines << cp1250::decode(text.sliced(start, i - start));
            if (c == '\r' && i + 1 < end && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < end)
        lines << cp1250::decode(text.sliced(start, end - start));
    return lines;
}

QByteArray joinLines(const QStringList& lines, bool* ok) {
    QByteArray bytes;
    bool allMapped = true;
    for (const QString& line : lines) {
        bool lineOk = true;
        bytes += cp1250::encode(line, &lineOk);
        bytes += "\r\n";
        allMapped = allMapped && lineOk;
    }
    if (ok)
        *ok = allMapped;
    return bytes;
}

} // namespace vz
