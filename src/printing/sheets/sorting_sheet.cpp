#include "sorting_sheet.h"

#include "../../drills/words/cleny_rules.h"
#include "../../screens/game_catalogue.h"

namespace vz::printing {

QStringList columnNames(const sorting::Game& game) {
    QStringList names;
    for (const QString& suffix : game.suffixes)
        names << suffix.mid(1); // after the "-" of the section header
    return names;
}

QVector<SortedWord> drawSortedWords(const SheetRequest& request, const sorting::Game& game) {
    const sorting::Deck deck =
        sorting::readDeck(request.data, request.game->group, request.game->letter, game);
    const QStringList names = columnNames(game);
    const int columns = int(deck.sections.size());

    // How many words each column can give: the lines the dealing draws from.
    QVector<int> left(columns, 0);
    int lines = 0;
    for (int c = 0; c < columns; ++c) {
        for (const QString& line : deck.sections[c])
            left[c] += !line.isEmpty() && !line.startsWith(QLatin1Char('#'));
        lines += int(deck.sections[c].size());
    }
    int available = 0;
    for (const int n : left)
        available += n;
    if (available < request.count)
        throw WorksheetError(tooFewExamplesMessage(request.game->code(), available, request.count));

    // Each word goes to a column drawn in proportion to what it has left.
    QVector<int> need(columns, 0);
    for (int k = 0; k < request.count; ++k) {
        int r = int(request.random->bounded(available - k));
        int c = 0;
        while (r >= left[c] - need[c]) {
            r -= left[c] - need[c];
            ++c;
        }
        ++need[c];
    }

    // Dealt in pages as the drill deals them; what one page took counts as
    // used for the next, so no word comes twice.
    TLChSet used(qMax(1, lines));
    QVector<SortedWord> words;
    while (words.size() < request.count) {
        QVector<int> counts(columns, 0);
        int pageSize = 0;
        for (int c = 0; c < columns; ++c) {
            counts[c] = qMin(need[c], game.maxPerColumn);
            need[c] -= counts[c];
            pageSize += counts[c];
        }
        TLChSet page(pageSize);
        const sorting::Page dealt =
            sorting::dealPage(deck, counts, game.maxPerColumn, used, page, *request.random);
        for (int c = 0; c < columns; ++c) {
            for (const QString& word : dealt.columnWords.value(c))
                words << SortedWord{word, names[c]};
        }
        for (const int index : page.Members())
            used.Add(index);
    }

    // Mixed, so that the columns do not follow one another on the sheet.
    for (int i = int(words.size()) - 1; i > 0; --i)
        std::swap(words[i], words[int(request.random->bounded(i + 1))]);
    return words;
}

} // namespace vz::printing
