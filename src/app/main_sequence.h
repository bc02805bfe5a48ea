#pragma once

#include "../platform/display.h"
#include "../platform/install_ini.h"
#include "../platform/single_instance.h"
#include "../screens/backdrop.h"
#include "../screens/windows.h"
#include "exception_handler.h"
#include "scr_res_changer.h"

#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

namespace vz {

struct StartupOptions {
    // Where VEVIDER.INI is looked for, in order.
    QStringList iniSearchDirs = platform::defaultIniSearchDirs();
    // The lock that keeps a second copy out; empty for the per-user default.
    QString lockPath;
    // How the program takes the screen; by default it switches the backdrop
    // window to full screen.
    std::function<std::unique_ptr<platform::DisplaySwitcher>(QWidget* backdrop)>
        makeDisplaySwitcher;
};

// The program from start to end: start-up, the message loop, shutdown.
class MainSequence {
public:
    enum class StartResult { Running, SecondCopy, InstallationBroken, DataFileUnreadable };

    explicit MainSequence(StartupOptions options = {});
    ~MainSequence();

    StartResult start();
    // Runs the message loop until the main menu closes or the error handler
    // ends the program, then shuts down. Returns the process exit code.
    int run();
    // Saves tab.dat and gives everything back; runs once.
    void shutdown();

    TPodklad* podklad() const { return Podklad; }
    TwndHelp* help() const { return wndHelp; }
    TwndSelect* select() const { return wndSelect; }
    TwndSetup* setup() const { return wndSetup; }
    TwndHint* hint() const { return wndHint; }
    TwndHint2* hint2() const { return wndHint2; }
    TwndHintR* hintR() const { return wndHintR; }
    TExceptionHandler& exceptionHandler() { return ExceptionHandler; }

private:
    bool InitGlobals();
    // Shows the black full-screen backdrop the stage lies on.
    void showBackdrop();
    bool ReadInstallPaths();
    bool LoadDataFiles();
    void CreateForms();
    void SaveTabFile();
    void keepDamagedTabFile(const QString& path);

    StartupOptions options;
    std::unique_ptr<platform::SingleInstance> instance;
    TExceptionHandler ExceptionHandler;
    std::unique_ptr<platform::DisplaySwitcher> display;
    std::unique_ptr<TScrResChanger> resChanger;
    QPointer<TPodklad> Podklad;
    bool running = false;
    bool cursorHidden = false;
    bool tabFileWritable = true;
    QStringList startNotices; // told once the menu is up
};

} // namespace vz
