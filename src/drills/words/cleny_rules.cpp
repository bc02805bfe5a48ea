#include "cleny_rules.h"

#include "../../store/app_error.h"
#include "../../store/section_reader.h"

#include <QHash>
#include <QRegularExpression>

namespace vz {
namespace sorting {
namespace {

bool usable(const QString& line) {
    return !line.isEmpty() && !line.startsWith(QLatin1Char('#'));
}

} // namespace

QRect Layout::slotRect(Place slot) const {
    return QRect(slotLefts[slot.column - 1], 130 + 32 * (slot.row - 1), slotWidth, 30);
}

QPoint Layout::markPosition(Place slot) const {
    return QPoint(markLefts[slot.column - 1], 129 + 32 * (slot.row - 1));
}

int Board::chipIn(Place slot) const {
    for (int chip = 1; chip <= kChips; ++chip) {
        if (!slot.inPool() && places[chip - 1] == slot)
            return chip;
    }
    return 0;
}

std::optional<Place> Board::dropTarget(QPoint at) const {
    for (int row = 1; row <= kSlotRows; ++row) {
        for (int column = 1; column <= geometry.columns(); ++column) {
            const Place slot{column, row};
            const QRect r = geometry.slotRect(slot);
            const bool holds = at.x() >= r.left() && at.x() <= r.left() + r.width() &&
                               at.y() >= r.top() && at.y() <= r.top() + r.height();
            if (holds && chipIn(slot) == 0)
                return slot;
        }
    }
    return std::nullopt;
}

Place Board::drop(int chip, QPoint at) {
    places[chip - 1] = dropTarget(at).value_or(Place{});
    return places[chip - 1];
}

QPoint Board::restingPlace(int chip) const {
    const Place place = places[chip - 1];
    if (place.inPool())
        return geometry.homes[chip - 1];
    return geometry.slotRect(place).topLeft() + QPoint(5, 5);
}

int Deck::firstIndex(int column) const {
    int first = 0;
    for (int c = 1; c < column; ++c)
        first += int(sections[c - 1].size());
    return first;
}

Deck readDeck(const QStringList& data, int group, QChar letter, const Game& game) {
    Deck deck;
    for (const QString& suffix : game.suffixes) {
        const QString header =
            QStringLiteral("[%1%2").arg(group).arg(letter) + suffix + QLatin1Char(']');
        deck.headers << header;
        deck.sections << readSection(data, header);
    }
    return deck;
}

Page dealPage(const Deck& deck, const QVector<int>& counts, int maxPerColumn, const TLChSet& used,
              TLChSet& page, QRandomGenerator& random) {
    Page dealt;
    QVector<int> freeChips;
    for (int chip = 1; chip <= kChips; ++chip)
        freeChips << chip;
    for (int column = 1; column <= int(deck.sections.size()); ++column) {
        const QStringList& section = deck.sections[column - 1];
        const int first = deck.firstIndex(column);
        QVector<int> fresh;
        QVector<int> repeatable;
        for (int i = 0; i < section.size(); ++i) {
            if (usable(section[i]))
                (used.Contains(first + i) ? repeatable : fresh) << i;
        }
        if (fresh.size() + repeatable.size() < maxPerColumn)
            throw cannotOpen(deck.headers[column - 1],
                             QStringLiteral("fewer than %1 words for a column").arg(maxPerColumn));
        QStringList words;
        const int wanted = qBound(0, counts.value(column - 1), maxPerColumn);
        for (int k = 0; k < wanted; ++k) {
            QVector<int>& pool = fresh.isEmpty() ? repeatable : fresh;
            const int line = pool.takeAt(random.bounded(int(pool.size())));
            page.Add(first + line);
            words << section[line];
        }
        // Each word goes onto a chip drawn among those still without one.
        for (const QString& word : words) {
            if (freeChips.isEmpty())
                break;
            const int chip = freeChips.takeAt(random.bounded(int(freeChips.size())));
            dealt.chipWords[chip - 1] = word;
        }
        dealt.columnWords << words;
    }
    return dealt;
}

bool isRight(const Page& page, const QString& word, Place place) {
    if (place.inPool() || place.column > page.columnWords.size())
        return false;
    return page.columnWords[place.column - 1].contains(word, Qt::CaseInsensitive);
}

QString answerText(const Game& game, const Page& page, const QString& word) {
    int column = int(game.answerEnds.size());
    for (int c = 1; c < column; ++c) {
        if (page.columnWords.value(c - 1).contains(word, Qt::CaseInsensitive)) {
            column = c;
            break;
        }
    }
    return game.answerStart + word + game.answerEnds.value(column - 1);
}

int chipFontSize(const std::function<int(int size)>& textWidth, int limit) {
    for (int size = 16; size >= 1; --size) {
        if (textWidth(size) <= limit)
            return size;
    }
    return 10; // too long at any size: readable, cut off at the chip's edges
}

int examplesAfterPage(int left) {
    return left > kChips ? left - kChips : 0;
}

ContentProblems checkColumn(const QStringList& body, int minWords, int maxChars,
                            const std::function<QString(const QString& line)>& lineFault) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    int words = 0;
    for (int i = 0; i < body.size(); ++i) {
        const QString& line = body[i];
        if (line.startsWith(QLatin1Char('#')))
            continue;
        ++words;
        QString fault;
        if (line.trimmed().isEmpty())
            fault = QStringLiteral("an empty word");
        else if (line != line.simplified())
            fault = QStringLiteral("spaces around the word or doubled inside it");
        else if (line.size() > maxChars)
            fault = QStringLiteral("longer than %1 characters, too small on a chip").arg(maxChars);
        else
            fault = lineFault(line);
        if (!fault.isEmpty())
            problems.append(ContentProblem{i, fault});
        repeats.check(i, content::sameness(line), problems);
    }
    if (words < minWords)
        problems.append(ContentProblem{
            -1, QStringLiteral("a column needs at least %1 words, a page may ask for so many")
                    .arg(minWords)});
    return problems;
}

QStringList wordsInTwoColumns(const Deck& deck) {
    QHash<QString, int> columnOf;
    QStringList repeated;
    for (int column = 1; column <= int(deck.sections.size()); ++column) {
        for (const QString& line : deck.sections[column - 1]) {
            if (!usable(line))
                continue;
            const QString key = content::sameness(line);
            const int first = columnOf.value(key);
            if (first && first != column)
                repeated << QStringLiteral("'") + line + QStringLiteral("' stands in ") +
                                deck.headers[first - 1] + QStringLiteral(" and ") +
                                deck.headers[column - 1];
            else if (!first)
                columnOf.insert(key, column);
        }
    }
    return repeated;
}

} // namespace sorting

namespace cleny {
namespace {

// Beyond this a 149-pixel chip shrinks its font below 9 pixels.
constexpr int kMaxChars = 36;

} // namespace

const sorting::Layout& layout() {
    static const sorting::Layout board{{19, 227, 435},
                                       159,
                                       {187, 395, 603},
                                       149,
                                       148,
                                       {{{44, 378},
                                         {224, 378},
                                         {404, 378},
                                         {64, 411},
                                         {244, 411},
                                         {424, 411},
                                         {84, 444},
                                         {264, 444},
                                         {444, 444}}}};
    return board;
}

const sorting::Game& game(int group) {
    static const sorting::Game genders{
        {QStringLiteral("-der"), QStringLiteral("-die"), QStringLiteral("-das")},
        sorting::kSlotRows,
        QStringLiteral("Slovo: '"),
        {QStringLiteral("' je mužského rodu (der)"), QStringLiteral("' je ženského rodu (die)"),
         QStringLiteral("' je stredného rodu (das)")}};
    static const sorting::Game negations{
        {QStringLiteral("-kein"), QStringLiteral("-keine"), QStringLiteral("-nicht")},
        sorting::kSlotRows,
        QStringLiteral("Slovo: '"),
        {QStringLiteral("' patrí do skupiny 'kein'"), QStringLiteral("' patrí do skupiny 'keine'"),
         QStringLiteral("' patrí do skupiny 'nicht'")}};
    return group == 7 ? negations : genders;
}

QVector<int> splitNine(QRandomGenerator& random) {
    int x = random.bounded(8);
    int y = random.bounded(9 - x);
    while (y > 7) {
        ++x;
        --y;
    }
    int z = 9 - x - y;
    while (z > 7) {
        (x < y ? x : y) += 1;
        --z;
    }
    return {x, y, z};
}

ContentProblems checkNouns(const QStringList& body) {
    static const QRegularExpression noun(QStringLiteral("^\\p{Lu}\\p{L}*(-\\p{L}+)*$"));
    return sorting::checkColumn(body, sorting::kSlotRows, kMaxChars, [](const QString& line) {
        return noun.match(line).hasMatch()
                   ? QString()
                   : QStringLiteral("one noun a line, capitalised, without its article");
    });
}

ContentProblems checkNegationPhrases(const QStringList& body) {
    static const QRegularExpression negation(
        QStringLiteral("\\b(kein|keine|keinen|keinem|keiner|keines|nicht)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return sorting::checkColumn(body, sorting::kSlotRows, kMaxChars, [](const QString& line) {
        if (negation.match(line).hasMatch())
            return QStringLiteral("the phrase holds a negation already");
        if (line.count(QStringLiteral("...")) > 1)
            return QStringLiteral("more than one gap \"...\"");
        return QString();
    });
}

} // namespace cleny
} // namespace vz
