#pragma once

#include <QString>
#include <stdexcept>

namespace vz {

// Every failure of the program is raised as an AppError carrying its message.
// The application's one handler decides what a message means to the pupil.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& message() const { return text; }

private:
    QString text;
};

// The text every "file is missing" error carries; the handler looks for it.
inline const QString kCannotOpenFile = QStringLiteral("Cannot open file");

inline AppError cannotOpen(const QString& path, const QString& reason = {}) {
    QString text = kCannotOpenFile + QStringLiteral(" \"") + path + QLatin1Char('"');
    if (!reason.isEmpty())
        text += QStringLiteral(". ") + reason;
    return AppError(text);
}

} // namespace vz
