#include "align_edit.h"

#include <QKeyEvent>
#include <QTimer>

namespace vz {

TAlignEdit::TAlignEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(TextAlignment::Left);
}

void TAlignEdit::setAlignment(TextAlignment value) {
    alignment = value;
    switch (value) {
    case TextAlignment::Left:
        QLineEdit::setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case TextAlignment::Right:
        QLineEdit::setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case TextAlignment::Centre:
        QLineEdit::setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    }
}

void TAlignEdit::setExitOnEnterKey(bool value) {
    if (value == exitOnEnterKey)
        return;
    exitOnEnterKey = value;
    if (value && multiLine)
        setMultiLine(false);
}

void TAlignEdit::setMultiLine(bool value) {
    if (value == multiLine)
        return;
    multiLine = value;
    if (value) {
        exitOnEnterKey = false;
        return;
    }
    // Each CR and the character after it (the LF of the pair) go.
    QString joined = text();
    for (qsizetype cr = joined.indexOf(QLatin1Char('\r')); cr >= 0;
         cr = joined.indexOf(QLatin1Char('\r')))
        joined.remove(cr, 2);
    setText(joined);
}

void TAlignEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (exitOnEnterKey) {
        // Moves on after this key press has been handled, as Tab would.
        QTimer::singleShot(0, this, [this] { focusNextChild(); });
    } else if (multiLine) {
        insert(QStringLiteral("\r\n"));
    }
}

void TAlignEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (AutoSelect)
        QTimer::singleShot(0, this, [this] { selectAll(); });
}

} // namespace vz
