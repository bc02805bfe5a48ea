#include "results_command.h"

#include "../platform/install_ini.h"
#include "../store/results_csv.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <optional>

namespace vz {
namespace {

constexpr int kAllConverted = 0;
constexpr int kSomeLeftOut = 1;
constexpr int kNothingWritten = 2;

const QString kUsage = QStringLiteral("Použitie: vevider --results [--output SÚBOR]\n");

void tell(const QString& text) {
    std::fputs(
        (QStringLiteral("vevider --results: ") + text + QLatin1Char('\n')).toUtf8().constData(),
        stderr);
}

// The --output file, empty for standard output; nothing when the arguments
// are not --results with at most one --output.
std::optional<QString> outputPath(const QStringList& options) {
    QString output;
    bool seenResults = false;
    bool seenOutput = false;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options[i];
        if (option == QStringLiteral("--results") && !seenResults) {
            seenResults = true;
        } else if (option == QStringLiteral("--output") && !seenOutput && i + 1 < options.size() &&
                   !options[i + 1].isEmpty()) {
            seenOutput = true;
            output = options[++i];
        } else if (option.startsWith(QStringLiteral("--output=")) && !seenOutput &&
                   option.size() > 9) {
            seenOutput = true;
            output = option.mid(9);
        } else {
            tell(option.startsWith(QStringLiteral("--output"))
                     ? QStringLiteral("voľba --output chce jeden názov súboru.")
                     : QStringLiteral("neznáma alebo opakovaná voľba \"") + option +
                           QStringLiteral("\"."));
            return std::nullopt;
        }
    }
    return output;
}

std::optional<QString> logPath(const QStringList& iniSearchDirs) {
    const auto ini = platform::findInstallIni(iniSearchDirs);
    if (!ini) {
        tell(QStringLiteral("nenašiel sa súbor ") + platform::kInstallIniName +
             QStringLiteral(" (hľadaný v: ") + iniSearchDirs.join(QStringLiteral(", ")) +
             QStringLiteral(")."));
        return std::nullopt;
    }
    const auto paths = platform::readInstallPaths(*ini);
    if (!paths) {
        tell(QStringLiteral("v ") + *ini + QStringLiteral(" chýba priečinok s údajmi (kľúč HD)."));
        return std::nullopt;
    }
    return paths->dataDir + QStringLiteral("Vysledky.dat");
}

bool writeOutput(const QString& path, const QByteArray& csv) {
    if (path.isEmpty()) {
        const bool written =
            std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) == size_t(csv.size()) &&
            std::fflush(stdout) == 0;
        if (!written)
            tell(QStringLiteral("tabuľku sa nepodarilo zapísať na štandardný výstup."));
        return written;
    }
    // Written aside and put in place at the end: a failure leaves no half
    // table and never spoils a file that was there before.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        tell(QStringLiteral("do súboru \"") + path + QStringLiteral("\" sa nedá zapísať: ") +
             file.errorString());
        return false;
    }
    return true;
}

int convertResults(const QStringList& options, const QStringList& iniSearchDirs) {
    const auto output = outputPath(options);
    if (!output) {
        std::fputs(kUsage.toUtf8().constData(), stderr);
        return kNothingWritten;
    }
    const auto log = logPath(iniSearchDirs);
    if (!log)
        return kNothingWritten;
    QFile file(*log);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(QStringLiteral("súbor s výsledkami \"") + *log +
             QStringLiteral("\" sa nedá otvoriť: ") + file.errorString());
        return kNothingWritten;
    }
    const LogReading reading = readResultsLog(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        tell(QStringLiteral("súbor s výsledkami \"") + *log +
             QStringLiteral("\" sa nedá prečítať: ") + file.errorString());
        return kNothingWritten;
    }
    for (const LogProblem& problem : reading.problems)
        tell(*log + QStringLiteral(", riadok ") + QString::number(problem.line) +
             QStringLiteral(": ") + problem.reason + QStringLiteral("; vynechané."));
    if (!writeOutput(*output, resultsCsv(reading.entries)))
        return kNothingWritten;
    if (reading.problems.isEmpty())
        return kAllConverted;
    tell(QStringLiteral("prevedených záznamov: %1, vynechaných častí: %2.")
             .arg(reading.entries.size())
             .arg(reading.problems.size()));
    return kSomeLeftOut;
}

} // namespace

int runResultsCommand(const QStringList& arguments) {
    // The INI lookup asks for the program's own folder, which Qt knows only
    // once an application object exists; a core one opens no display.
    QByteArray program = arguments.value(0, QStringLiteral("vevider")).toLocal8Bit();
    char* argv[] = {program.data(), nullptr};
    int argc = 1;
    std::optional<QCoreApplication> core;
    if (!QCoreApplication::instance())
        core.emplace(argc, argv);
    return convertResults(arguments.mid(1), platform::defaultIniSearchDirs());
}

} // namespace vz
