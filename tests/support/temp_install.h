#pragma once

#include "app/main_sequence.h"
#include "fakes.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace vz::test {

// A complete installation in a temporary folder: VEVIDER.INI, a resource
// folder mirroring the built one (links, so single files can be taken away)
// and a data folder with small data files of its own.
class TempInstall {
public:
    TempInstall();

    QString path(const QString& relative = {}) const { return dir.filePath(relative); }
    QString iniDir() const { return path(QStringLiteral("etc")); }
    QString resDir() const { return path(QStringLiteral("res")); }
    QString dataDir() const { return path(QStringLiteral("data")); }

    void writeIni(const QString& text);
    // Replaces the small test content by the German content of the build.
    void useBuiltContent();
    void writeScrambled(const QString& name, const QStringList& lines);
    QStringList readScrambled(const QString& name) const;
    // The results log as text; empty when there is none.
    QString resultsLog() const;
    void remove(const QString& relative);

    // Options that find this installation and keep the lock to themselves;
    // the program takes the screen through `display`.
    StartupOptions options() const;

    std::shared_ptr<FakeDisplay> display = std::make_shared<FakeDisplay>();

private:
    QTemporaryDir dir;
};

} // namespace vz::test
