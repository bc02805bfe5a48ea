#include "draw_examples.h"

#include "../../controls/lchset.h"
#include "../../exercise/example_drawer.h"
#include "../../screens/game_catalogue.h"
#include "../../store/app_error.h"
#include "../../store/section_reader.h"

namespace vz::printing {

QVector<QStringList> drawExamples(const SheetRequest& request, int linesPerExample) {
    const QString header = gameSectionHeader(request.game->group, request.game->letter);
    ExampleDrawer drawer(readSection(request.data, header), linesPerExample, request.random);
    const TLChSet used(1); // a sheet starts afresh: nothing counts as used
    TLChSet page(qMax(1, request.count));
    QVector<QStringList> examples;
    // One at a time, so that running out tells how many there were.
    while (examples.size() < request.count) {
        QVector<int> drawn;
        try {
            drawn = drawer.drawPage(1, used, page, header);
        } catch (const AppError&) {
            throw WorksheetError(
                tooFewExamplesMessage(request.game->code(), int(examples.size()), request.count));
        }
        QStringList lines = drawer.exampleLines(drawn.front());
        lines.front().remove(0, 1); // the mark the drawer put on a drawn example
        examples << lines;
    }
    return examples;
}

} // namespace vz::printing
