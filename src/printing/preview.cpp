#include "preview.h"

#include "../drills/words/slovicka_rules.h"
#include "../platform/install_ini.h"
#include "../screens/game_catalogue.h"
#include "../store/cp1250.h"
#include "../store/section_reader.h"
#include "installation.h"
#include "registry.h"
#include "renderer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cstdio>

namespace vz::printing {
namespace {

const QString kCaption = QStringLiteral("Vevider Zuduzad");

QString pupilName(const unsigned char* shortName) {
    if (!shortName)
        return {};
    const QByteArray bytes(reinterpret_cast<const char*>(shortName + 1), shortName[0]);
    return cp1250::decode(bytes).trimmed();
}

// The ticked topics in slot order.
QStringList chosenTopics(const QStringList& data, const GameInfo& game,
                         const unsigned char* flags) {
    const QStringList names =
        slovicka::topicNames(readSection(data, gameSectionHeader(game.group, game.letter)));
    QStringList chosen;
    for (int i = 0; i < slovicka::kMostTopics && i < names.size(); ++i) {
        if (flags[i] == 1)
            chosen << names[i];
    }
    if (chosen.isEmpty())
        throw WorksheetError(QStringLiteral("Nie je vybraná žiadna téma."));
    return chosen;
}

void showPreview(const Worksheet& sheet, const SheetHeader& header) {
    QPrinter printer(QPrinter::HighResolution);
    preparePage(printer);
    printer.setDocName(defaultFileStem(sheet.code, header.pupilName, header.date));
    printer.setCreator(kCaption);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(kCaption + QStringLiteral(" – pracovný list: ") + sheet.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        QPainter painter(target);
        renderWorksheet(sheet, header, *target, painter);
    });
    dialog.resize(900, 700);
    dialog.exec();
}

} // namespace

void previewWorksheet(int gameNumber, const unsigned char* shortName, int count,
                      const unsigned char* topicFlags) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fputs("Ravad: the printing library needs the program's QApplication\n", stderr);
        return;
    }
    try {
        const GameInfo* game = findGame(gameNumber);
        if (!game)
            throw WorksheetError(QStringLiteral("Neznáma hra."));
        const Installation installation = openInstallation(platform::defaultIniSearchDirs());
        registerSheetFont(installation.resourceDir);
        const QStringList topics =
            topicFlags ? chosenTopics(installation.data, *game, topicFlags) : QStringList();
        const Worksheet sheet = makeWorksheet(game->code(), count, installation.data, topics);
        showPreview(sheet, {pupilName(shortName), QDate::currentDate()});
    } catch (const WorksheetError& error) {
        QMessageBox::critical(QApplication::activeWindow(), kCaption, error.message());
    } catch (const std::exception& error) {
        QMessageBox::critical(QApplication::activeWindow(), kCaption,
                              QStringLiteral("Pracovný list sa nepodarilo pripraviť: ") +
                                  QString::fromUtf8(error.what()));
    }
}

} // namespace vz::printing
