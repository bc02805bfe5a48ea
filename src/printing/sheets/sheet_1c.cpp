// 1c: the modal verbs. Each sentence, below the line that sets its scene, has
// a gap for a form of one of the six verbs; the frame lists the verbs with
// their forms as the drill offers them.
#include "../../drills/verbs/zpusob_rules.h"
#include "../../exercise/answer_text.h"
#include "../../screens/game_catalogue.h"
#include "../../store/section_reader.h"
#include "draw_examples.h"

namespace vz::printing {

Worksheet sheet1c(const SheetRequest& request) {
    const GameInfo& game = *request.game;
    zpusob::VerbForms forms = zpusob::parseVerbForms(
        readSection(request.data, zpusob::formsSectionHeader(game.group, game.letter)));
    zpusob::shuffleForms(forms, *request.random);

    Worksheet sheet;
    sheet.instruction =
        QStringLiteral("Doplň do každej vety správny tvar spôsobového slovesa z rámčeka.");
    for (int verb = 0; verb < zpusob::kVerbCount; ++verb)
        sheet.wordBank << zpusob::verbs()[verb] + QStringLiteral(": ") +
                              forms[verb].join(QStringLiteral(", "));
    for (const QStringList& lines : drawExamples(request, zpusob::kLinesPerExample)) {
        const ZpusobRow row = zpusob::parseExample(lines.value(0), lines.value(1));
        QStringList accepted = zpusob::acceptedForms(row.answer);
        for (QString& form : accepted)
            form = zpusob::droppedText(form, row.before);
        WorksheetItem item;
        const QString intro = row.intro.trimmed();
        item.task = (intro.isEmpty() ? QString() : intro + QLatin1Char('\n')) +
                    (row.before.isEmpty() ? QString() : row.before + QLatin1Char(' ')) + kGap +
                    answers::spacedAfterGap(row.after);
        item.answer = accepted.join(QLatin1Char('/'));
        item.key =
            (intro.isEmpty() ? QString() : intro + QLatin1Char('\n')) + zpusob::answerText(row);
        sheet.items << item;
    }
    return sheet;
}

} // namespace vz::printing
