#pragma once

#include "stage_form.h"

#include <QImage>
#include <QLineEdit>
#include <QVector>
#include <array>
#include <functional>

namespace vz {

class TBMPLabel;
class TClickLabel;
class TExtImage;
struct GameInfo;

// The page between the main menu and a game: the pupil's name, the number of
// examples, the game's help switch, printing a worksheet, and continue.
class TwndSetup : public TStageForm {
    Q_OBJECT
public:
    explicit TwndSetup(QWidget* stage);

    // Readies the page for the game the menu has chosen (its background is loaded).
    void Prepare();

    void CountClick(int choice);
    void NameChanged();
    void HelpClick();
    void PokrClick();
    void TiskClick();
    void BackClick();

    std::array<TExtImage*, 5> img{};
    TExtImage* imgPriklady;
    TExtImage* imgNapoveda;
    TExtImage* Tisk;
    TExtImage* Pokr;
    QLineEdit* edJmeno;
    TClickLabel* lbZahlavi;
    TBMPLabel* backButton;

    quint8 ChosenCount = 0;
    bool HelpOn = false;
    bool ContinueShown = false;
    bool PrintShown = false;

    // Creates the game's exercise form, captioned, with its background and
    // its first page dealt; null for a game without a form.
    std::function<TStageForm*(const GameInfo& game, QWidget* stage)> startGame;

protected:
    void showEvent(QShowEvent* event) override;
    void takeFocus() override;

private:
    void reveal(TExtImage* button, bool& shown, const QImage& picture);
    void hideContinue();
    void showChoicePictures(int highlighted);
    static bool refuseBar(const QString& name);

    QImage continuePicture;
    QImage printPicture;
    QImage helpOff;
    QImage helpOn;
    std::array<QImage, 5> dial;
    std::array<std::array<QImage, 2>, 5> choicePictures; // plain, highlighted per choice
};

// The counts the set-up page offers for a game: choice 1 ... 5, 0 where a
// choice is hidden.
std::array<int, 5> offeredCounts(int gameNumber);

} // namespace vz
