#include "exception_handler.h"

#include "../store/app_error.h"
#include "message_boxes.h"

#include <QCoreApplication>

namespace vz {

void TExceptionHandler::AppException(const QString& message) {
    if (!message.contains(kCannotOpenFile, Qt::CaseSensitive) || terminating)
        return;
    terminating = true;
    messageBoxes().stop(kInstallMessage);
    QCoreApplication::exit(0); // ends every running event loop; shutdown follows
}

} // namespace vz
