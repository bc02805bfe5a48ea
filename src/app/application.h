#pragma once

#include <QApplication>

namespace vz {

class TExceptionHandler;

// The application object: routes every error that escapes an event handler
// to the program's one error handler instead of ending the process.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    void setExceptionHandler(TExceptionHandler* handler) { exceptionHandler = handler; }
    TExceptionHandler* handler() const { return exceptionHandler; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    TExceptionHandler* exceptionHandler = nullptr;
};

// Hands an error message to the handler installed on the running application.
void reportError(const QString& message);

} // namespace vz
