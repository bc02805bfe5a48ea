#pragma once

#include <QStringList>

// A results file of every game, ten rows each, whose rows are told apart by
// `mark`: two such versions saved in turn show which one a file holds.
inline QStringList tableVersion(const QString& mark) {
    QStringList lines;
    for (int game = 1; game <= 29; ++game) {
        lines << QStringLiteral("[%1]").arg(game);
        for (int row = 0; row < 10; ++row)
            lines << QStringLiteral("%1 Žiak %2|%3|%4|1").arg(mark).arg(row).arg(20 - row).arg(row);
    }
    return lines;
}
