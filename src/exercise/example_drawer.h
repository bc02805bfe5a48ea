#pragma once

#include "../controls/lchset.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QVector>

namespace vz {

// Draws a page of examples at random from a game's section without repeats.
// An example takes `linesPerExample` consecutive lines and is named by the
// index of its first line. Lines beginning with "#" (comments, or examples
// already on this page) and empty lines are never drawn; examples in `used`
// are drawn only when too few others are left, so a short section repeats
// examples instead of searching forever.
class ExampleDrawer {
public:
    ExampleDrawer(QStringList section, int linesPerExample, QRandomGenerator* random = nullptr);

    // Draws `count` different examples, adds them to `page` and marks their
    // lines with "#". Raises "Cannot open file" (naming `sectionName`) when
    // the section cannot fill the page at all.
    QVector<int> drawPage(int count, const TLChSet& used, TLChSet& page,
                          const QString& sectionName);

    const QStringList& lines() const { return working; }
    QStringList exampleLines(int index) const { return working.mid(index, linesPerExample); }

private:
    bool drawable(int index) const;

    QStringList working;
    int linesPerExample;
    QRandomGenerator* random;
};

} // namespace vz
