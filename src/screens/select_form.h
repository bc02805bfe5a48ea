#pragma once

#include "stage_form.h"

#include <QVector>
#include <array>

namespace vz {

class TBMPLabel;
class TClickLabel;
class TXLabel;

// The main menu: the seven groups on the left, the games of the chosen group
// on the right. The first form the pupil sees after the title, and the one
// whose closing ends the program.
class TwndSelect : public TStageForm {
    Q_OBJECT
public:
    explicit TwndSelect(QWidget* stage);

    // Asks "Chcete naozaj ukončiť aplikáciu?"; on Yes emits closed().
    bool CloseQuery();

    void GroupClick(int group);
    void GameClick(int position);

    TClickLabel* lbZahlavi;
    TBMPLabel* exitButton;
    std::array<TXLabel*, 7> GroupButtons{};
    std::array<TBMPLabel*, 6> GameButtons{};

    // Where the game buttons of a group lie.
    static QRect gameArea();
    // Where, inside the game area, the invitation to pick a game covers the one to pick a group.
    static QRect gamePromptArea();

signals:
    void closed();

private:
    QVector<QImage> groupPictures;               // plain 0 ... 6, highlighted 7 ... 13
    QVector<std::array<QImage, 2>> GamePictures; // by GameNumber - 1: plain, highlighted
                                                 // (read when their group is first chosen)
    QImage cleanGameArea;                        // the game area before any group was chosen
    QImage gamePrompt;                           // "Teraz si vyber hru", for gamePromptArea()
};

// The tops of the game buttons of each group.
QVector<int> gameButtonTops(int group);

} // namespace vz
