#pragma once

#include <QString>
#include <memory>

namespace vz {

inline const QString kProgramCaption = QStringLiteral("Vevider Zuduzad");
inline const QString kInstallMessage = QStringLiteral(
    "Nie je možné načítať niektorý z nainštalovaných súborov. Nainštalujte aplikáciu znovu.");

// Every message box of the program goes through here, captioned "Vevider Zuduzad".
// Tests install their own answers instead of real dialogs.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void stop(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    virtual bool question(const QString& text) = 0; // true for Yes
};

MessageBoxes& messageBoxes();
std::unique_ptr<MessageBoxes> setMessageBoxes(std::unique_ptr<MessageBoxes> boxes);

} // namespace vz
