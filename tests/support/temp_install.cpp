#include "temp_install.h"

#include "store/cp1250.h"
#include "store/data_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vz::test {
namespace {

void mirrorTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        // The real printing library waits for a person at its preview; a test
        // that prints puts the recording stand-in there itself.
        if (it.fileName() == QLatin1String("libRavad.so"))
            continue;
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::link(file, target);
    }
}

void writeText(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Forwards to the installation's shared fake, which the test inspects.
class SharedDisplay : public platform::DisplaySwitcher {
public:
    explicit SharedDisplay(std::shared_ptr<FakeDisplay> fake) : fake(std::move(fake)) {}
    bool apply() override { return fake->apply(); }
    void restore() override { fake->restore(); }

private:
    std::shared_ptr<FakeDisplay> fake;
};

} // namespace

TempInstall::TempInstall() {
    mirrorTree(QStringLiteral(VZ_STAGE_RES_DIR), resDir());
    QDir().mkpath(dataDir());
    writeIni(QStringLiteral("[DID1]\r\nCD=%1\r\nHD=%2\r\n").arg(resDir(), dataDir()));
    writeScrambled(QStringLiteral("data.dat"), {"[1a]", "Ich|müde.", "bin|bist|ist"});
    writeScrambled(QStringLiteral("tab.dat"), {"[1]", "Eva|10|0|1"});
    writeText(QDir(dataDir()).filePath(QStringLiteral("Znamky.dat")),
              "90|100|\r\n75|89|\r\n50|74|\r\n30|49|\r\n0|29|\r\n");
    writeText(QDir(dataDir()).filePath(QStringLiteral("Vysledky.dat")), {});
}

void TempInstall::useBuiltContent() {
    const QString target = QDir(dataDir()).filePath(QStringLiteral("data.dat"));
    QFile::remove(target);
    QFile::copy(QStringLiteral(VZ_STAGE_DIR "/data/data.dat"), target);
}

void TempInstall::writeIni(const QString& text) {
    writeText(QDir(iniDir()).filePath(QStringLiteral("VEVIDER.INI")), text.toUtf8());
}

void TempInstall::writeScrambled(const QString& name, const QStringList& lines) {
    saveScrambledLines(QDir(dataDir()).filePath(name), lines);
}

QStringList TempInstall::readScrambled(const QString& name) const {
    return loadScrambledLines(QDir(dataDir()).filePath(name));
}

void TempInstall::remove(const QString& relative) {
    const QString target = path(relative);
    if (QFileInfo(target).isDir() && !QFileInfo(target).isSymLink())
        QDir(target).removeRecursively();
    else
        QFile::remove(target);
}

StartupOptions TempInstall::options() const {
    StartupOptions options;
    options.iniSearchDirs = {iniDir()};
    options.lockPath = path(QStringLiteral("instance.lock"));
    options.makeDisplaySwitcher = [fake = display](QWidget*) {
        return std::make_unique<SharedDisplay>(fake);
    };
    return options;
}

QString TempInstall::resultsLog() const {
    QFile file(dataDir() + QStringLiteral("/Vysledky.dat"));
    return file.open(QIODevice::ReadOnly) ? cp1250::decode(file.readAll()) : QString();
}

} // namespace vz::test
