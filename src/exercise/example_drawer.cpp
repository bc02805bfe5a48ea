#include "example_drawer.h"

#include "../store/app_error.h"

namespace vz {

ExampleDrawer::ExampleDrawer(QStringList section, int linesPerExample, QRandomGenerator* random)
    : working(std::move(section)), linesPerExample(qMax(1, linesPerExample)),
      random(random ? random : QRandomGenerator::global()) {}

bool ExampleDrawer::drawable(int index) const {
    if (index + linesPerExample > working.size())
        return false; // an example cut off by the end of the section
    for (int i = index; i < index + linesPerExample; ++i) {
        if (working[i].isEmpty())
            return false;
    }
    return !working[index].startsWith(QLatin1Char('#'));
}

QVector<int> ExampleDrawer::drawPage(int count, const TLChSet& used, TLChSet& page,
                                     const QString& sectionName) {
    QVector<int> fresh;
    QVector<int> repeatable;
    for (int index = 0; index < working.size(); index += linesPerExample) {
        if (!drawable(index))
            continue;
        (used.Contains(index) ? repeatable : fresh) << index;
    }
    if (fresh.size() + repeatable.size() < count)
        throw cannotOpen(sectionName, QStringLiteral("too few examples for a page"));

    QVector<int> drawn;
    while (drawn.size() < count) {
        QVector<int>& pool = fresh.isEmpty() ? repeatable : fresh;
        const int index = pool.takeAt(random->bounded(int(pool.size())));
        page.Add(index);
        working[index].prepend(QLatin1Char('#'));
        drawn << index;
    }
    return drawn;
}

} // namespace vz
