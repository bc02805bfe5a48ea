// Saves results tables the way the program does, for the save-fault tests:
//   save_loop PATH loop     saves two versions in turn until it is killed
//   save_loop PATH limited  saves once with files limited to 100 bytes, as on
//                           a full disk; exits 3 when the save was refused
#include "store/app_error.h"
#include "store/data_files.h"
#include "table_versions.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <sys/resource.h>

using namespace vz;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (qstrcmp(argv[2], "loop") == 0) {
        for (;;) {
            saveScrambledLines(path, tableVersion(QStringLiteral("A")));
            saveScrambledLines(path, tableVersion(QStringLiteral("B")));
        }
    }
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
        saveScrambledLines(path, tableVersion(QStringLiteral("B")));
    } catch (const AppError&) {
        return 3;
    }
    return 0;
}
