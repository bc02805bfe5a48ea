#include "main_sequence.h"

#include "../drills/registry.h"
#include "../platform/install_ini.h"
#include "../screens/backdrop.h"
#include "../screens/help_window.h"
#include "../screens/hint_windows.h"
#include "../screens/select_form.h"
#include "../screens/setup_form.h"
#include "../store/app_error.h"
#include "../store/data_files.h"
#include "../store/results.h"
#include "application.h"
#include "cursors.h"
#include "globals.h"
#include "message_boxes.h"
#include "resources.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>

namespace vz {
namespace {

void registerFonts() {
    const QDir fonts(ResourceDir + QStringLiteral("font"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

} // namespace

MainSequence::MainSequence(StartupOptions options) : options(std::move(options)) {}

MainSequence::~MainSequence() {
    shutdown();
}

MainSequence::StartResult MainSequence::start() {
    QGuiApplication::setApplicationDisplayName(kProgramCaption);
    QGuiApplication::setQuitOnLastWindowClosed(false);

    instance = std::make_unique<platform::SingleInstance>(
        options.lockPath.isEmpty() ? platform::SingleInstance::defaultLockPath()
                                   : options.lockPath);
    if (!instance->isFirst())
        return StartResult::SecondCopy;

    if (auto* app = dynamic_cast<Application*>(QCoreApplication::instance()))
        app->setExceptionHandler(&ExceptionHandler);

    if (!ReadInstallPaths()) {
        messageBoxes().stop(kInstallMessage);
        return StartResult::InstallationBroken;
    }
    if (!InitGlobals())
        return StartResult::DataFileUnreadable;
    if (!resultsWritable(DataDir)) {
        tabFileWritable = false; // said now rather than failing at the exit
        startNotices << QStringLiteral("Do priečinka s výsledkami \"") + DataDir +
                            QStringLiteral("\" tento používateľ nemôže zapisovať. Hrať sa dá, "
                                           "ale výsledky sa neuložia. Povedzte to správcovi "
                                           "počítača.");
    }
    if (!pictureExists(TwndHelp::pictureFile(TwndHelp::Title))) {
        messageBoxes().stop(kInstallMessage);
        return StartResult::InstallationBroken;
    }

    // The black screen first, the rest behind it: the pupil sees the program
    // start at once.
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    cursorHidden = true;
    showBackdrop();
    LoadCursors();
    Podklad->setCursor(programCursor(kArrowCursor));
    registerFonts(); // before anything draws text
    wndHelp = new TwndHelp(Podklad->stage());

    try {
        wndHelp->ShowPicture(TwndHelp::Title);
        CreateForms();
    } catch (const AppError& error) {
        // A window that cannot load its pictures ends the program the same
        // way an error in a running handler does.
        ExceptionHandler.AppException(error.message());
    }

    Podklad->activateWindow();
    wndHelp->setFocus(Qt::OtherFocusReason);
    QGuiApplication::restoreOverrideCursor();
    cursorHidden = false;
    running = true;
    for (const QString& notice : std::as_const(startNotices))
        messageBoxes().stop(notice);
    return StartResult::Running;
}

void MainSequence::showBackdrop() {
    Podklad = new TPodklad;
    display = options.makeDisplaySwitcher
                  ? options.makeDisplaySwitcher(Podklad)
                  : std::make_unique<platform::WindowDisplaySwitcher>(Podklad);
    resChanger = std::make_unique<TScrResChanger>(*display);
    ScrResChanger = resChanger.get();
    resChanger->WarnOnFailure = true;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, Podklad,
                     [](Qt::ApplicationState state) {
                         if (!ScrResChanger || !ScrResChanger->Attached)
                             return;
                         if (state == Qt::ApplicationActive)
                             ScrResChanger->ApplyMode();
                         else if (state == Qt::ApplicationInactive)
                             ScrResChanger->RestoreMode();
                     });
    resChanger->ApplyMode();
    if (!Podklad->isVisible())
        Podklad->showMaximized();
    // Drawn once the platform has exposed it: let that happen now, without
    // taking any input before the forms exist.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool MainSequence::ReadInstallPaths() {
    const auto ini = platform::findInstallIni(options.iniSearchDirs);
    const auto paths = ini ? platform::readInstallPaths(*ini) : std::nullopt;
    if (!paths)
        return false;
    ResourceDir = paths->resourceDir;
    DataDir = paths->dataDir;
    return QFileInfo(DataDir).isDir();
}

bool MainSequence::InitGlobals() {
    DataList.clear();
    ClickSound = ResourceDir + QStringLiteral("sound/click.wav");
    EnterSound = ResourceDir + QStringLiteral("sound/enter.wav");
    if (!LoadDataFiles())
        return false;
    UsedExamples = std::make_unique<TLChSet>(kUsedExamplesCapacity);
    PageExamples = std::make_unique<TLChSet>(kPageExamplesCapacity);
    return true;
}

bool MainSequence::LoadDataFiles() {
    try {
        DataList = loadScrambledLines(DataDir + QStringLiteral("data.dat"));
        const QString tabPath = DataDir + QStringLiteral("tab.dat");
        TabFile tab = loadTabFile(tabPath);
        TabList = std::move(tab.lines);
        if (tab.damaged)
            keepDamagedTabFile(tabPath);
        // A grade scale with a gap or an overlap would lose or misgrade results.
        LoadGradeScale(DataDir + QStringLiteral("Znamky.dat"));
        return true;
    } catch (const AppError& error) {
        QTextStream(stderr) << error.message() << Qt::endl;
        messageBoxes().stop(error.message());
        return false;
    }
}

void MainSequence::keepDamagedTabFile(const QString& path) {
    const QString copy = keepDamagedCopy(path, QDateTime::currentDateTime());
    tabFileWritable = !copy.isEmpty();
    startNotices << QStringLiteral("Súbor s tabuľkami najlepších výsledkov \"") + path +
                        QStringLiteral("\" bol poškodený. Program z neho prečítal, čo sa dalo. ") +
                        (copy.isEmpty()
                             ? QStringLiteral(
                                   "Pôvodný súbor sa nepodarilo zálohovať, preto ho program "
                                   "neprepíše a výsledky tohto spustenia sa do tabuliek neuložia.")
                             : QStringLiteral("Pôvodný súbor je uložený ako \"") + copy +
                                   QStringLiteral("\"."));
}

void MainSequence::CreateForms() {
    QWidget* stage = Podklad->stage();
    wndSelect = new TwndSelect(stage);
    QObject::connect(wndSelect, &TwndSelect::closed, qApp, [] { QCoreApplication::exit(0); });
    Podklad->closeQuery = [] { return wndSelect->CloseQuery(); };
    wndSetup = new TwndSetup(stage);
    wndSetup->startGame = [](const GameInfo& game, QWidget* parent) {
        return startExerciseForm(game, parent);
    };
    wndHint = new TwndHint(stage);
    wndHint2 = new TwndHint2(stage);
    wndHintR = new TwndHintR(stage);
}

int MainSequence::run() {
    if (running && !ExceptionHandler.terminationRequested()) {
        wndSelect->showOnStage();
        QCoreApplication::exec();
    }
    shutdown();
    return 0;
}

void MainSequence::SaveTabFile() {
    if (!tabFileWritable) {
        TabList.clear(); // a damaged file that could not be copied is never overwritten
        return;
    }
    try {
        saveScrambledLines(DataDir + QStringLiteral("tab.dat"), TabList);
    } catch (const AppError& error) {
        // The old tab.dat is still whole; say why the new results are not in it.
        QTextStream(stderr) << error.message() << Qt::endl;
        messageBoxes().stop(error.message());
    }
    TabList.clear();
}

void MainSequence::shutdown() {
    auto* app = dynamic_cast<Application*>(QCoreApplication::instance());
    if (app && app->handler() == &ExceptionHandler)
        app->setExceptionHandler(nullptr);
    if (cursorHidden) {
        QGuiApplication::restoreOverrideCursor();
        cursorHidden = false;
    }
    if (!running)
        return;
    running = false;
    // The screen is given back while the window that held it still exists.
    if (resChanger)
        resChanger->RestoreMode();
    // Every form lies on the stage; an open table window puts its game's
    // table back into TabList as it goes, so the forms go before the save.
    delete Podklad;
    wndHelp = nullptr;
    wndSelect = nullptr;
    wndSetup = nullptr;
    wndHint = nullptr;
    wndHint2 = nullptr;
    wndHintR = nullptr;
    SaveTabFile();
    DataList.clear();
    ScrResChanger = nullptr;
    resChanger.reset();
    display.reset();
    instance.reset();
}

} // namespace vz
