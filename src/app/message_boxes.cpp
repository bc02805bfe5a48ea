#include "message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace vz {
namespace {

class DialogMessageBoxes : public MessageBoxes {
public:
    void stop(const QString& text) override { show(QMessageBox::Critical, text, QMessageBox::Ok); }
    void information(const QString& text) override {
        show(QMessageBox::Information, text, QMessageBox::Ok);
    }
    bool question(const QString& text) override {
        return show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }

private:
    static int show(QMessageBox::Icon icon, const QString& text,
                    QMessageBox::StandardButtons buttons) {
        QMessageBox box(icon, kProgramCaption, text, buttons, QApplication::activeWindow());
        return box.exec();
    }
};

std::unique_ptr<MessageBoxes>& slot() {
    static std::unique_ptr<MessageBoxes> boxes;
    return boxes;
}

} // namespace

MessageBoxes& messageBoxes() {
    if (!slot())
        slot() = std::make_unique<DialogMessageBoxes>();
    return *slot();
}

std::unique_ptr<MessageBoxes> setMessageBoxes(std::unique_ptr<MessageBoxes> boxes) {
    auto previous = std::move(slot());
    slot() = std::move(boxes);
    return previous;
}

} // namespace vz
