#include "worksheet_command.h"

#include "../platform/install_ini.h"
#include "installation.h"
#include "pdf_output.h"
#include "registry.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <variant>

namespace vz::printing {
namespace {

const QString kUsage =
    QStringLiteral("Použitie: vevider --worksheet KÓD --count POČET [--name MENO] --output SÚBOR");

struct Job {
    QString code;
    int count = 0;
    QString name;
    QString output;
};

void say(const QString& text) {
    std::fputs(("vevider: " + text + '\n').toUtf8().constData(), stderr);
}

// The options as a job, or the message that says what is wrong with them.
std::variant<Job, QString> readJob(const QStringList& options) {
    Job job;
    bool haveCount = false;
    for (int i = 0; i < options.size(); i += 2) {
        const QString& option = options[i];
        if (i + 1 >= options.size())
            return QStringLiteral("Voľbe ") + option + QStringLiteral(" chýba hodnota.");
        const QString& value = options[i + 1];
        if (option == QLatin1String("--worksheet")) {
            job.code = value;
        } else if (option == QLatin1String("--count")) {
            bool ok = false;
            job.count = value.toInt(&ok);
            if (!ok || job.count < 1 || job.count > 255)
                return QStringLiteral("Počet príkladov musí byť celé číslo od 1 do 255, nie \"") +
                       value + QStringLiteral("\".");
            haveCount = true;
        } else if (option == QLatin1String("--name")) {
            job.name = value.trimmed();
            if (job.name.size() > 255)
                return QStringLiteral("Meno môže mať najviac 255 znakov.");
        } else if (option == QLatin1String("--output")) {
            job.output = value;
        } else {
            return QStringLiteral("Neznáma voľba \"") + option + QStringLiteral("\".");
        }
    }
    if (!haveCount)
        return QStringLiteral("Chýba počet príkladov (--count).");
    if (job.output.isEmpty())
        return QStringLiteral("Chýba súbor, do ktorého sa má list uložiť (--output).");
    return job;
}

} // namespace

std::optional<int> answerWorksheetCommand(const QStringList& options,
                                          const QStringList& iniSearchDirs) {
    if (!options.contains(QStringLiteral("--worksheet")))
        return std::nullopt;
    const auto parsed = readJob(options);
    if (const QString* problem = std::get_if<QString>(&parsed)) {
        say(*problem);
        say(kUsage);
        return 2;
    }
    const Job& job = std::get<Job>(parsed);

    // Fonts and PDF need a GUI application object, never a window or a display.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "vevider";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    try {
        sheetFor(job.code);
        const Installation installation = openInstallation(
            iniSearchDirs.isEmpty() ? platform::defaultIniSearchDirs() : iniSearchDirs);
        registerSheetFont(installation.resourceDir);
        const Worksheet sheet = makeWorksheet(job.code, job.count, installation.data);
        writeWorksheetPdf(sheet, {job.name, QDate::currentDate()}, job.output);
        std::fputs(("Pracovný list hry " + sheet.code + " s riešením je uložený v súbore " +
                    QDir::toNativeSeparators(job.output) + ".\n")
                       .toUtf8()
                       .constData(),
                   stdout);
        return 0;
    } catch (const WorksheetError& error) {
        say(error.message());
        // A code that does not exist is a bad argument; everything else a failure.
        return findSheet(job.code) ? 1 : 2;
    }
}

} // namespace vz::printing
