#include "select_form.h"

#include "../app/cursors.h"
#include "../app/globals.h"
#include "../app/message_boxes.h"
#include "../app/resources.h"
#include "../app/stage_image.h"
#include "../controls/labels.h"
#include "../store/app_error.h"
#include "game_catalogue.h"
#include "help_window.h"
#include "setup_form.h"
#include "windows.h"

#include <QPainter>

namespace vz {
namespace {

constexpr int kGameLeft = 333;
constexpr int kButtonWidth = 300;

QString gamePictureFile(const GameInfo& game, int state) {
    return resourceFile(QStringLiteral("bmp\\select\\r_%1_%2.bmp").arg(game.code()).arg(state));
}

int groupTop(int group) {
    return 103 + 54 * (group - 1);
}

} // namespace

QVector<int> gameButtonTops(int group) {
    switch (group) {
    case 1:
        return {133, 189, 234, 280, 326, 371};
    case 2:
    case 5:
        return {133, 234, 326};
    case 7:
        return {133, 198, 253, 308, 363};
    default:
        return {133, 212, 280, 348};
    }
}

TwndSelect::TwndSelect(QWidget* stage) : TStageForm(stage) {
    setObjectName(QStringLiteral("wndSelect"));
    PupilName.clear();
    GameGroup = 0;
    GameNumber = 0;
    ExamplesLeft = 0;
    Background = loadPicture(resourceFile(QStringLiteral("BMP\\select\\bckg.bmp")));
    for (int state = 0; state < 2; ++state) {
        for (int g = 1; g <= 7; ++g)
            groupPictures << loadPicture(
                resourceFile(QStringLiteral("BMP\\select\\l_%1_%2.bmp").arg(g).arg(state)));
    }
    // The game buttons' pictures are read when their group is first chosen;
    // here only that they are there, so a broken installation still stops
    // the start.
    GamePictures.resize(GameCatalogue().size());
    for (const GameInfo& game : GameCatalogue()) {
        for (int state = 0; state < 2; ++state) {
            const QString file = gamePictureFile(game, state);
            if (!pictureExists(file))
                throw cannotOpen(file);
        }
    }
    gamePrompt = loadPicture(resourceFile(QStringLiteral("bmp\\select\\vyber_hru.bmp")));

    lbZahlavi = new TClickLabel(this, 5, 5, 539, 75);
    lbZahlavi->setObjectName(QStringLiteral("lbZahlavi"));
    lbZahlavi->setCursor(programCursor(kHelpCursor));
    connect(lbZahlavi, &TClickLabel::clicked, this,
            [] { wndHelp->ShowPicture(TwndHelp::Authors); });

    for (int g = 1; g <= 7; ++g) {
        auto* button = new TXLabel(this, 8, groupTop(g), kButtonWidth, 46);
        button->setObjectName(QStringLiteral("group%1").arg(g));
        button->Tag = g;
        connect(button, &TXLabel::clicked, this, [this, g] { GroupClick(g); });
        GroupButtons[g - 1] = button;
        QPainter(&Background).drawImage(8, groupTop(g), groupPictures[g - 1]);
    }
    for (int j = 1; j <= 6; ++j) {
        auto* button = new TBMPLabel(this, kGameLeft, 100, kButtonWidth, 0);
        button->setObjectName(QStringLiteral("game%1").arg(j));
        button->Tag = j;
        connect(button, &TXLabel::clicked, this, [this, j] { GameClick(j); });
        GameButtons[j - 1] = button;
    }

    exitButton =
        new TBMPLabel(this, resourceFile(QStringLiteral("bmp\\select\\mkoneh.bmp")),
                      resourceFile(QStringLiteral("bmp\\select\\mkone.bmp")), 546, 5, 91, 75);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    connect(exitButton, &TXLabel::clicked, this, &TwndSelect::CloseQuery);
    drawIntoBackground(exitButton, exitButton->LeavePicture);
    cleanGameArea = stageCopy(Background, gameArea());
}

QRect TwndSelect::gameArea() {
    return QRect(kGameLeft, 100, kButtonWidth, 380);
}

QRect TwndSelect::gamePromptArea() {
    return QRect(343, 102, 280, 28);
}

void TwndSelect::GroupClick(int group) {
    const GroupInfo& info = GameGroups()[group - 1];
    for (int index = info.firstNumber - 1; index < info.firstNumber - 1 + info.gameCount; ++index) {
        if (GamePictures[index][0].isNull()) {
            const GameInfo& game = GameCatalogue()[index];
            GamePictures[index] = {loadPicture(gamePictureFile(game, 0)),
                                   loadPicture(gamePictureFile(game, 1))};
        }
    }

    QPainter painter(&Background);
    if (GameGroup != 0)
        painter.drawImage(8, groupTop(GameGroup), groupPictures[GameGroup - 1]);
    GameGroup = group;
    painter.drawImage(8, groupTop(group), groupPictures[group + 6]);

    // The buttons of the group shown before go, with their pictures; the invitation to pick
    // a group gives way to the one to pick a game.
    painter.drawImage(gameArea().topLeft(), cleanGameArea);
    painter.drawImage(gamePromptArea().topLeft(), gamePrompt);
    const QVector<int> tops = gameButtonTops(group);
    for (int j = 1; j <= 6; ++j) {
        TBMPLabel* button = GameButtons[j - 1];
        if (j > info.gameCount) {
            button->setGeometry(kGameLeft, 0, kButtonWidth, 0); // cannot be hit any more
            continue;
        }
        const auto& pictures = GamePictures[info.firstNumber + j - 2];
        button->setGeometry(kGameLeft, tops[j - 1], kButtonWidth, stageSize(pictures[0]).height());
        button->LeavePicture = pictures[0];
        button->EnterPicture = pictures[1];
        painter.drawImage(kGameLeft, tops[j - 1], pictures[0]);
    }
    painter.end();
    update();
}

void TwndSelect::GameClick(int position) {
    const GroupInfo& info = GameGroups()[GameGroup - 1];
    if (position < 1 || position > info.gameCount)
        return;
    GameLetter = QLatin1Char(char('a' + position - 1));
    GameNumber = info.firstNumber + position - 1;
    wndSetup->Background = loadPicture(
        resourceFile(QStringLiteral("bmp\\setup\\bg_0%1%2.bmp").arg(GameGroup).arg(GameLetter)));
    wndSetup->Prepare();
    wndSetup->showOnStage();
    hide();
}

bool TwndSelect::CloseQuery() {
    if (!messageBoxes().question(QStringLiteral("Chcete naozaj ukončiť aplikáciu?")))
        return false;
    emit closed();
    return true;
}

} // namespace vz
