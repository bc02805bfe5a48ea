#include "nadraz_rules.h"

#include "../../store/app_error.h"
#include "../../store/section_reader.h"

#include <QHash>
#include <algorithm>
#include <numeric>

namespace vz::nadraz {
namespace {

bool isComment(const QString& line) {
    return line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'));
}

// The words a section lists, comments and empty lines left out.
QStringList listedWords(const QStringList& body) {
    QStringList words;
    for (const QString& line : body) {
        if (!isComment(line))
            words << line.trimmed();
    }
    return words;
}

QString sortKey(const QString& word) {
    QString key;
    for (QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x00DF))
            key += QStringLiteral("ss");
        else
            key += c.toCaseFolded();
    }
    return key;
}

int capacity(const QVector<QVector<int>>& pools, int group) {
    return int(qMin<qsizetype>(kMostPerRow, pools[group].size()));
}

// Exchanges the rows' groups that add the fewest words for unused groups
// that add more, until the rows can hold a page; false when they cannot.
bool makeFillable(std::array<int, kRows>& rows, QVector<int>& others,
                  const QVector<QVector<int>>& pools) {
    for (;;) {
        int total = 0;
        int weakest = 0;
        for (int r = 0; r < kRows; ++r) {
            total += capacity(pools, rows[r]);
            if (capacity(pools, rows[r]) < capacity(pools, rows[weakest]))
                weakest = r;
        }
        if (total >= kChips)
            return true;
        int strongest = -1;
        for (int k = 0; k < others.size(); ++k) {
            if (strongest < 0 || capacity(pools, others[k]) > capacity(pools, others[strongest]))
                strongest = k;
        }
        if (strongest < 0 || capacity(pools, others[strongest]) <= capacity(pools, rows[weakest]))
            return false;
        std::swap(rows[weakest], others[strongest]);
    }
}

} // namespace

QString groupHeader(const QString& mainHeader, const QString& group) {
    return mainHeader.chopped(1) + QLatin1Char('-') + group + QLatin1Char(']');
}

Content readContent(const QStringList& data, const QString& mainHeader) {
    Content content;
    content.groups = listedWords(readSection(data, mainHeader));
    for (const QString& group : std::as_const(content.groups))
        content.words << listedWords(readSection(data, groupHeader(mainHeader, group)));
    return content;
}

int exampleCount(const Content& content) {
    return std::accumulate(
        content.words.begin(), content.words.end(), 0,
        [](int sum, const QStringList& words) { return sum + int(words.size()); });
}

Page dealPage(const Content& content, const ShownWords& shown, QRandomGenerator& random,
              const QString& sectionName) {
    const int groupCount = int(content.groups.size());
    if (groupCount < kRows)
        throw cannotOpen(sectionName, QStringLiteral("fewer than six superordinate words"));
    QVector<QVector<int>> fresh(groupCount);
    QVector<QVector<int>> every(groupCount);
    for (int g = 0; g < groupCount; ++g) {
        for (int i = 0; i < content.words.value(g).size(); ++i) {
            every[g] << i;
            if (!shown.value(g).contains(i))
                fresh[g] << i;
        }
    }
    // Six different groups, each as likely as any other.
    QVector<int> order(groupCount);
    std::iota(order.begin(), order.end(), 0);
    for (int k = 0; k < kRows; ++k)
        std::swap(order[k], order[k + random.bounded(groupCount - k)]);
    Page page;
    std::copy(order.begin(), order.begin() + kRows, page.groups.begin());
    QVector<int> others = order.mid(kRows);
    if (!makeFillable(page.groups, others, fresh) && !makeFillable(page.groups, others, every))
        throw cannotOpen(sectionName, QStringLiteral("too few subordinate words for a page"));

    std::array<QVector<int>, kRows> freshLeft;
    std::array<QVector<int>, kRows> everyLeft;
    std::array<int, kRows> dealt{};
    for (int r = 0; r < kRows; ++r) {
        freshLeft[r] = fresh[page.groups[r]];
        everyLeft[r] = every[page.groups[r]];
    }
    while (page.chips.size() < kChips) {
        // Words shown on a checked page only when the fresh ones cannot fill the page.
        QVector<int> open;
        for (auto* left : {&freshLeft, &everyLeft}) {
            for (int r = 0; r < kRows; ++r) {
                if (dealt[r] < kMostPerRow && !(*left)[r].isEmpty())
                    open << r;
            }
            if (!open.isEmpty()) {
                const int r = open[random.bounded(int(open.size()))];
                QVector<int>& pool = (*left)[r];
                const int index = pool.takeAt(random.bounded(int(pool.size())));
                freshLeft[r].removeOne(index);
                everyLeft[r].removeOne(index);
                ++dealt[r];
                const int group = page.groups[r];
                page.chips << Chip{content.words[group][index], r + 1, group, index};
                break;
            }
        }
        if (open.isEmpty()) // cannot happen once the rows are fillable
            throw cannotOpen(sectionName, QStringLiteral("too few subordinate words for a page"));
    }
    for (const Chip& chip : std::as_const(page.chips))
        page.rowWords[chip.row - 1] << chip.word;
    for (QStringList& words : page.rowWords)
        words = dictionaryOrder(words);
    return page;
}

void markShown(const Page& page, ShownWords& shown) {
    for (const Chip& chip : page.chips) {
        if (shown.size() <= chip.group)
            shown.resize(chip.group + 1);
        shown[chip.group].insert(chip.index);
    }
}

QStringList dictionaryOrder(QStringList words) {
    std::stable_sort(words.begin(), words.end(), [](const QString& a, const QString& b) {
        const QString keyA = sortKey(a);
        const QString keyB = sortKey(b);
        return keyA != keyB ? keyA < keyB : a < b;
    });
    return words;
}

int dropRow(const std::array<QRect, kRows>& areas, QPoint at) {
    for (int r = 0; r < kRows; ++r) {
        const QRect& area = areas[r];
        if (at.x() >= area.left() && at.x() <= area.left() + area.width() && at.y() >= area.top() &&
            at.y() <= area.top() + area.height())
            return r + 1;
    }
    return 0;
}

void Placement::clear() {
    for (QVector<int>& chips : rows)
        chips.clear();
}

void Placement::place(int row, int chip) {
    for (QVector<int>& chips : rows)
        chips.removeAll(chip);
    rows[row - 1] << chip;
}

int Placement::take(int row, int position) {
    QVector<int>& chips = rows[row - 1];
    if (position < 0 || position >= chips.size())
        return 0;
    return chips.takeAt(position);
}

int Placement::rowOf(int chip) const {
    for (int r = 0; r < kRows; ++r) {
        if (rows[r].contains(chip))
            return r + 1;
    }
    return 0;
}

QVector<int> Placement::pool() const {
    QVector<int> chips;
    for (int chip = 1; chip <= kChips; ++chip) {
        if (rowOf(chip) == 0)
            chips << chip;
    }
    return chips;
}

RowVerdict judgeRow(const QStringList& rowWords, const QStringList& placedWords) {
    RowVerdict verdict;
    verdict.right = dictionaryOrder(placedWords) == dictionaryOrder(rowWords);
    for (const QString& word : placedWords)
        ++(rowWords.contains(word) ? verdict.rightWords : verdict.wrongWords);
    return verdict;
}

QString answerText(const QStringList& rowWords) {
    return rowWords.isEmpty() ? kNoSubordinateWords : rowWords.join(QStringLiteral(", "));
}

WordsLayout layoutWords(const QStringList& words, int left, int width, const Measure& measure) {
    WordsLayout layout;
    for (int k = 0; k < words.size(); ++k)
        layout.captions << (k + 1 < words.size() ? words[k] + QLatin1Char(',') : words[k]);
    for (layout.size = 16; layout.size >= 8; --layout.size) {
        layout.lefts.clear();
        int x = left;
        for (const QString& caption : std::as_const(layout.captions)) {
            layout.lefts << x;
            x += measure(caption, layout.size) + 4;
        }
        layout.fits = layout.lefts.isEmpty() || x - 4 - left <= width;
        if (layout.fits || layout.size == 8)
            break;
    }
    return layout;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    int words = 0;
    for (int i = 0; i < body.size(); ++i) {
        const QString word = body[i].trimmed();
        if (body[i].startsWith(QLatin1Char('#')))
            problems.append({i, QStringLiteral("the main section has no comments: \"#\" marks "
                                               "the words drawn for a page")});
        else if (word.isEmpty() || word.contains(QLatin1Char('[')) ||
                 word.contains(QLatin1Char(']')))
            problems.append({i, QStringLiteral("a line is one superordinate word")});
        else
            ++words;
        repeats.check(i, content::sameness(word), problems);
    }
    if (words < kRows)
        problems.append({-1, QStringLiteral("a page needs six superordinate words")});
    return problems;
}

ContentProblems checkGroupWords(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    int words = 0;
    for (int i = 0; i < body.size(); ++i) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue;
        const QString word = body[i].trimmed();
        if (word.isEmpty() || word.startsWith(QLatin1Char('@')) || word.contains(QLatin1Char(',')))
            problems.append({i, QStringLiteral("a line is one subordinate word, without \",\" "
                                               "and not beginning with \"@\"")});
        else
            ++words;
        repeats.check(i, content::sameness(word), problems);
    }
    if (words < kLeastGroupWords)
        problems.append({-1, QStringLiteral("a group needs at least %1 words, so that any six "
                                            "rows can hold a page")
                                 .arg(kLeastGroupWords)});
    return problems;
}

QStringList checkContent(const QStringList& data, const QString& mainHeader) {
    QStringList faults;
    QStringList groups;
    try {
        groups = listedWords(readSection(data, mainHeader));
    } catch (const AppError&) {
        return {QStringLiteral("no section ") + mainHeader};
    }
    QHash<QString, QString> groupOfWord;
    for (const QString& group : std::as_const(groups)) {
        const QString header = groupHeader(mainHeader, group);
        QStringList words;
        try {
            words = listedWords(readSection(data, header));
        } catch (const AppError&) {
            faults << QStringLiteral("no section ") + header + QStringLiteral(" for \"") + group +
                          QLatin1Char('"');
            continue;
        }
        for (const QString& word : std::as_const(words)) {
            const QString key = content::sameness(word);
            const QString other = groupOfWord.value(key);
            if (!other.isEmpty() && other != group)
                faults << QLatin1Char('"') + word + QStringLiteral("\" belongs to ") + other +
                              QStringLiteral(" and to ") + group;
            groupOfWord.insert(key, group);
        }
    }
    const QString prefix = mainHeader.chopped(1) + QLatin1Char('-');
    for (const QString& line : data) {
        if (line.startsWith(prefix, Qt::CaseInsensitive) && line.endsWith(QLatin1Char(']'))) {
            const QString group = line.mid(prefix.size()).chopped(1);
            if (!groups.contains(group, Qt::CaseInsensitive))
                faults << line + QStringLiteral(" names no word of ") + mainHeader;
        }
    }
    return faults;
}

} // namespace vz::nadraz
