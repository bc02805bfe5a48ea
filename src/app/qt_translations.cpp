#include "qt_translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vz {
namespace {

// Debian's Slovak Qt catalogue lacks the standard button texts of message
// boxes and dialogs (they live in the context QPlatformTheme), so a pupil
// would read "Yes" and "No". These few are given here.
class StandardButtonTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return {};
        static const QHash<QByteArray, QString> texts{
            {"OK", QStringLiteral("OK")},         {"&Yes", QStringLiteral("&Áno")},
            {"&No", QStringLiteral("&Nie")},      {"Cancel", QStringLiteral("Zrušiť")},
            {"Close", QStringLiteral("Zavrieť")}, {"&Save", QStringLiteral("&Uložiť")},
            {"Save", QStringLiteral("Uložiť")},   {"Apply", QStringLiteral("Použiť")},
            {"Help", QStringLiteral("Pomocník")},
        };
        return texts.value(QByteArray(source));
    }
};

} // namespace

void installQtTranslations(QCoreApplication& app) {
    auto* catalogue = new QTranslator(&app);
    if (catalogue->load(QLocale(QLocale::Slovak, QLocale::Slovakia), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(new StandardButtonTexts(&app));
}

} // namespace vz
