#pragma once

#include <QImage>
#include <QObject>
#include <array>

class QWidget;

namespace vz {

class TBMPLabel;

// The row of five buttons at the bottom of a form that type the German
// letters ß, ä, ë, ö and ü into the answer field that has the focus, exactly
// as typing them would. The buttons take no focus themselves.
class TLetterButtons : public QObject {
    Q_OBJECT
public:
    explicit TLetterButtons(QWidget* form);

    // Puts the plain pictures into the form's background, so they survive repaints.
    void drawInto(QImage& background) const;
    void setEnabled(bool enabled);

    static constexpr int kTop = 457;
    std::array<TBMPLabel*, 5> buttons{};

private:
    void type(QChar letter);

    QWidget* form;
};

} // namespace vz
