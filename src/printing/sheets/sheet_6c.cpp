// 6c: the formal time; under each clock face the pupil writes the time it
// shows in words. A face does not tell morning from afternoon, so the key
// gives every wording of the time.
#include "../../drills/numbers/clock_rules.h"
#include "../../screens/game_catalogue.h"
#include "../../store/app_error.h"
#include "../../store/section_reader.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet6c(const SheetRequest& request) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    Worksheet sheet;
    sheet.instruction =
        QStringLiteral("Pod každé hodiny napíš po nemecky slovami čas, ktorý ukazujú.");
    for (const QStringList& lines : drawExamples(request, 1)) {
        const std::optional<hod::TimeLine> time = hod::parseLine(lines.value(0));
        if (!time)
            throw cannotOpen(header, QStringLiteral("\"") + lines.value(0) +
                                         QStringLiteral("\" cannot be read"));
        WorksheetItem item;
        item.task = QString(kGap);
        item.gapLength = 40; // "dreiundzwanzig Uhr achtundfünfzig" in a pupil's hand
        item.clock = QTime(time->hours, time->minutes);
        item.answer = time->wordings.front();
        item.key = item.clock.toString(QStringLiteral("h:mm")) + QStringLiteral(" – ") +
                   time->wordings.join(QStringLiteral(" / "));
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
