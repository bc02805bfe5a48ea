#include "cursors.h"

#include "../platform/cursor_file.h"
#include "resources.h"

#include <QHash>
#include <QPixmap>

namespace vz {
namespace {

QHash<int, QCursor>& table() {
    static QHash<int, QCursor> cursors;
    return cursors;
}

QCursor stockCursor(int number) {
    switch (number) {
    case kHandCursor:
        return QCursor(Qt::PointingHandCursor);
    case kHelpCursor:
        return QCursor(Qt::WhatsThisCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

void loadCursor(int number, const QString& name) {
    if (auto cursor = platform::readCursorFile(resourceFile(name)))
        table()[number] =
            QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(), cursor->hotSpot.y());
    else
        table()[number] = stockCursor(number);
}

} // namespace

void LoadCursors() {
    loadCursor(kHandCursor, QStringLiteral("cur\\hand.cur"));
    loadCursor(kArrowCursor, QStringLiteral("cur\\arrow.cur"));
    loadCursor(kHelpCursor, QStringLiteral("cur\\help.cur"));
}

QCursor programCursor(int number) {
    return table().value(number, stockCursor(number));
}

} // namespace vz
