#pragma once

#include <QString>
#include <QVector>

namespace vz {

// One game of the menu. The catalogue is the one table that ties a game's
// code, number, title, exercise form and pictures together; the picture
// generator reads it too, so titles are written only here.
struct GameInfo {
    int number = 0; // GameNumber, 1 ... 29 in menu order
    int group = 0;  // 1 ... 7
    QChar letter;   // 'a' ... 'f', the position within the group
    QString title;  // caption after "Vevider Zuduzad: "
    QString form;   // class name of the exercise form
    int countStep = 10;
    bool printable = true;

    QString code() const { return QString::number(group) + letter; }
};

struct GroupInfo {
    int group = 0;
    QString name;    // shown on the group button
    int firstNumber; // GameNumber of the group's first game
    int gameCount;
};

const QVector<GameInfo>& GameCatalogue();
const QVector<GroupInfo>& GameGroups();

// nullptr when there is no such game.
const GameInfo* findGame(int gameNumber);
const GameInfo* findGame(int group, QChar letter);

} // namespace vz
