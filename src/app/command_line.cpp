#include "command_line.h"

#include "../printing/worksheet_command.h"
#include "results_command.h"

#include <cstdio>

namespace vz {
namespace {

void print(FILE* to, const QString& text) {
    std::fputs(text.toUtf8().constData(), to);
}

QString usage() {
    return QStringLiteral(
        "Použitie: vevider [--help | --version]\n"
        "\n"
        "Vevider Zuduzad: precvičovanie nemčiny pre žiakov so slovenským vyučovacím jazykom.\n"
        "Bez volieb otvorí hlavnú ponuku.\n"
        "\n"
        "  --help      vypíše tento text\n"
        "  --version   vypíše verziu programu\n"
        "  --results [--output SÚBOR]  výsledky žiakov ako tabuľka (bez SÚBOR na výstup)\n"
        "  --worksheet HRA --count N [--name MENO] --output SÚBOR\n"
        "              pracovný list hry (napr. 1a) s riešením do súboru PDF\n"
        "\n"
        "Program hľadá VEVIDER.INI v priečinku premennej VEVIDER_INI_DIR (ak je\n"
        "nastavená), potom vedľa programu a nakoniec v /etc.\n");
}

} // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
    // Anything else (Qt's own -platform, -style …) goes on to the application.
    const QStringList options = arguments.mid(1);
    if (options == QStringList{QStringLiteral("--version")}) {
        print(stdout, QStringLiteral("Vevider Zuduzad " VZ_VERSION "\n"));
        return 0;
    }
    if (options == QStringList{QStringLiteral("--help")} ||
        options == QStringList{QStringLiteral("-h")}) {
        print(stdout, usage());
        return 0;
    }
    if (const auto status = printing::answerWorksheetCommand(options))
        return status;
    if (options.contains(QStringLiteral("--results")))
        return runResultsCommand(arguments);
    return std::nullopt;
}

} // namespace vz
