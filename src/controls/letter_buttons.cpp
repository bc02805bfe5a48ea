#include "letter_buttons.h"

#include "../app/resources.h"
#include "labels.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace vz {
namespace {

struct LetterButton {
    QChar letter;
    const char* picture;
    int left;
    int width;
};

const std::array<LetterButton, 5> kButtons{{
    {QChar(0x00DF), "p1_s", 270, 23}, // ß
    {QChar(0x00E4), "p2_a", 293, 19}, // ä
    {QChar(0x00EB), "p3_e", 312, 19}, // ë
    {QChar(0x00F6), "p4_o", 331, 19}, // ö
    {QChar(0x00FC), "p5_u", 350, 25}, // ü
}};

} // namespace

TLetterButtons::TLetterButtons(QWidget* form) : QObject(form), form(form) {
    for (int i = 0; i < 5; ++i) {
        const LetterButton& b = kButtons[i];
        const QString name = QLatin1String(b.picture);
        auto* button =
            new TBMPLabel(form, resourceFile("bmp\\" + name + "_1.bmp"),
                          resourceFile("bmp\\" + name + "_0.bmp"), b.left, kTop, b.width, 23);
        button->setObjectName(QStringLiteral("letter") + b.letter);
        button->Tag = i + 1;
        connect(button, &TXLabel::clicked, this, [this, letter = b.letter] { type(letter); });
        buttons[i] = button;
    }
}

void TLetterButtons::drawInto(QImage& background) const {
    if (background.isNull())
        return;
    QPainter painter(&background);
    for (const TBMPLabel* button : buttons)
        painter.drawImage(button->pos(), button->LeavePicture);
}

void TLetterButtons::setEnabled(bool enabled) {
    for (TBMPLabel* button : buttons)
        button->setEnabled(enabled);
}

void TLetterButtons::type(QChar letter) {
    auto* field = qobject_cast<QLineEdit*>(form->focusWidget());
    if (!field || field->isReadOnly() || !field->isVisible())
        return;
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(field, &release);
}

} // namespace vz
