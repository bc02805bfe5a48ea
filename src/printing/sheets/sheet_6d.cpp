// 6d: the informal time; the times are listed in digits, their wordings
// beside them in another order, each after a box in which the pupil writes
// the number of its time.
#include "../../drills/numbers/casy_rules.h"
#include "../../screens/game_catalogue.h"
#include "../../store/app_error.h"
#include "../../store/section_reader.h"
#include "draw_examples.h"

#include <algorithm>
#include <numeric>

namespace vz::printing {
namespace {

// The wordings are mixed within groups of at most ten rows, as many as a
// page of the drill, so that a pupil looks for a time among few.
constexpr int kGroup = 10;
constexpr int kTries = 1000;

// Whether the wording beside row `row` would seem to solve it: its own
// wording, or one holding it ("halb vier" in "fünf vor halb vier").
bool looksSolved(const QStringList& wordings, int row, int shown) {
    return wordings[shown].contains(wordings[row]);
}

// Which wording stands beside each row: mixed within each group, none
// beside a time it looks to solve. A group where no order avoids that
// (two rows, one wording within the other) keeps the last order tried.
QVector<int> besideOrder(const QStringList& wordings, QRandomGenerator& random) {
    const int count = int(wordings.size());
    const int groups = (count + kGroup - 1) / kGroup;
    QVector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    for (int g = 0, first = 0; g < groups; ++g) {
        const int size = (count - first) / (groups - g); // groups differ by one row at most
        const auto begin = order.begin() + first;
        for (int attempt = 0; attempt < kTries && size > 1; ++attempt) {
            std::shuffle(begin, begin + size, random);
            bool clear = true;
            for (int row = first; row < first + size && clear; ++row)
                clear = !looksSolved(wordings, row, order[row]);
            if (clear)
                break;
        }
        first += size;
    }
    return order;
}

QString digits(int minutesAfterOne) {
    return QStringLiteral("%1:%2")
        .arg(minutesAfterOne / 60 + 1)
        .arg(minutesAfterOne % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

Worksheet sheet6d(const SheetRequest& request) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    QStringList wordings;
    QStringList times;
    for (const QStringList& lines : drawExamples(request, 1)) {
        const QString wording = casy::pickWording(lines.value(0), *request.random);
        const casy::ClockTime time = casy::readTime(wording);
        if (!time.fault.isEmpty())
            throw cannotOpen(header,
                             QStringLiteral("\"") + wording + QStringLiteral("\": ") + time.fault);
        wordings << wording;
        times << digits(time.minutes);
    }
    const QVector<int> beside = besideOrder(wordings, *request.random);

    Worksheet sheet;
    sheet.instruction = QStringLiteral("Do štvorčeka pred každým nemeckým vyjadrením napíš "
                                       "číslo zodpovedajúceho času.");
    for (int row = 0; row < wordings.size(); ++row) {
        WorksheetItem item;
        item.task = times[row];
        item.boxed = wordings[beside[row]];
        item.answer = wordings[row];
        item.key = times[row] + QStringLiteral(" – ") + wordings[row];
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
