#include "application.h"

#include "../store/app_error.h"
#include "exception_handler.h"

namespace vz {
Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        reportError(error.message());
    } catch (const std::exception& error) {
        reportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Unknown error"));
    }
    return false;
}

void reportError(const QString& message) {
    auto* app = dynamic_cast<Application*>(QCoreApplication::instance());
    if (app && app->handler())
        app->handler()->AppException(message);
}

} // namespace vz
