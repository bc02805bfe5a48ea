#include "slovicka_rules.h"

#include "../../store/app_error.h"
#include "../../store/section_reader.h"

namespace vz::slovicka {
namespace {

constexpr int kShuffleSwaps = 20;
constexpr int kLeastPairs = 15;

bool isMarked(const QString& line) {
    return line.startsWith(kDrawn) || line.startsWith(kRetired);
}

} // namespace

QStringList topicNames(const QStringList& body) {
    QStringList names;
    for (const QString& line : body) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && names.size() < kMostTopics)
            names << name;
    }
    return names;
}

QString topicHeader(const QString& mainHeader, const QString& topic) {
    return mainHeader.chopped(1) + QLatin1Char('-') + topic + QLatin1Char(']');
}

QStringList joinTopics(const QStringList& data, const QString& mainHeader,
                       const QStringList& topics) {
    QStringList vocab;
    for (const QString& topic : topics) {
        for (const QString& line : readSection(data, topicHeader(mainHeader, topic)))
            vocab << line.trimmed();
    }
    return vocab;
}

std::optional<Pair> parsePair(const QString& line) {
    const qsizetype bar = line.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return std::nullopt;
    Pair pair{line.left(bar).trimmed(), line.mid(bar + 1).trimmed()};
    if (pair.prompt.isEmpty() || pair.answer.isEmpty())
        return std::nullopt;
    return pair;
}

bool drawable(const QString& line) {
    return !isMarked(line) && parsePair(line).has_value();
}

int drawableCount(const QStringList& vocab, const TLChSet& used) {
    int count = 0;
    for (int i = 0; i < vocab.size(); ++i)
        count += drawable(vocab[i]) && !used.Contains(i) ? 1 : 0;
    return count;
}

QVector<int> drawPage(QStringList& vocab, int count, const TLChSet& used, TLChSet& page,
                      QRandomGenerator& random, const QString& sectionName) {
    for (QString& line : vocab) {
        if (line.startsWith(kDrawn))
            line.remove(0, 1);
    }
    QVector<int> free;
    for (int i = 0; i < vocab.size(); ++i) {
        if (drawable(vocab[i]) && !used.Contains(i))
            free << i;
    }
    if (free.size() < count)
        throw cannotOpen(sectionName, QStringLiteral("too few words for a page"));
    page.Clear();
    QVector<int> drawn;
    while (drawn.size() < count) {
        const int index = free.takeAt(random.bounded(int(free.size())));
        page.Add(index);
        vocab[index].prepend(kDrawn);
        drawn << index;
    }
    return drawn;
}

void retireDrawn(QStringList& vocab) {
    for (QString& line : vocab) {
        if (line.startsWith(kDrawn))
            line[0] = kRetired;
    }
}

QStringList shuffled(QStringList answers, QRandomGenerator& random) {
    const int n = int(answers.size());
    if (n < 2)
        return answers;
    for (int swap = 0; swap < kShuffleSwaps; ++swap) {
        const int first = random.bounded(n);
        int second = random.bounded(n - 1);
        if (second >= first)
            ++second; // any place but the first, each as likely
        answers.swapItemsAt(first, second);
    }
    return answers;
}

QString tooFewWordsMessage(int needed) {
    return QStringLiteral("Vybrané témy nemajú dosť slovíčok na %1 príkladov. "
                          "Označ ešte ďalšiu tému.")
        .arg(needed);
}

int TileSlots::place(int tile, int row) {
    for (int& held : rows) {
        if (held == tile)
            held = 0;
    }
    if (row < 1 || row > kRows)
        return 0;
    const int displaced = rows[row - 1];
    rows[row - 1] = tile;
    return displaced;
}

int TileSlots::rowOf(int tile) const {
    for (int r = 1; r <= kRows; ++r) {
        if (rows[r - 1] == tile)
            return r;
    }
    return 0;
}

int slotAt(const QVector<QRect>& rects, int count, QPoint at) {
    for (int r = 1; r <= qMin(count, int(rects.size())); ++r) {
        const QRect& slot = rects[r - 1];
        if (at.x() >= slot.left() && at.x() <= slot.left() + slot.width() && at.y() >= slot.top() &&
            at.y() <= slot.top() + slot.height())
            return r;
    }
    return 0;
}

TopicChoice::TopicChoice(QStringList names)
    : topics(std::move(names)), selected(topics.size(), false) {}

void TopicChoice::toggle(int i) {
    if (i >= 0 && i < selected.size())
        selected[i] = !selected[i];
}

bool TopicChoice::selectAll() {
    allTag = -allTag;
    selected.fill(allTicked());
    return allTicked();
}

QStringList TopicChoice::chosen() const {
    QStringList names;
    for (int i = 0; i < topics.size(); ++i) {
        if (selected[i])
            names << topics[i];
    }
    return names;
}

std::array<quint8, kMostTopics> TopicChoice::flags() const {
    std::array<quint8, kMostTopics> bytes{};
    for (int i = 0; i < qMin(int(selected.size()), kMostTopics); ++i)
        bytes[i] = selected[i] ? 1 : 0;
    return bytes;
}

ContentProblems checkTopics(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    int names = 0;
    for (int i = 0; i < body.size(); ++i) {
        const QString name = body[i].trimmed();
        if (name.isEmpty() || name.contains(QLatin1Char('[')) || name.contains(QLatin1Char(']')) ||
            name.startsWith(QLatin1Char('#'))) {
            problems.append({i, QStringLiteral("a line is one topic name, without brackets")});
            continue;
        }
        if (++names > kMostTopics)
            problems.append({i, QStringLiteral("the topic page has room for 30 topics only")});
        repeats.check(i, content::sameness(name), problems);
    }
    return problems;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder prompts;
    content::RepeatFinder answers;
    int pairs = 0;
    for (int i = 0; i < body.size(); ++i) {
        const QString line = body[i].trimmed();
        if (line.startsWith(kRetired))
            continue;
        const std::optional<Pair> pair = parsePair(line);
        if (!pair || line.startsWith(kDrawn) || !content::hasFields(line, 2)) {
            problems.append({i, QStringLiteral("a line is \"Slovak word | German word\"")});
            continue;
        }
        ++pairs;
        prompts.check(i, content::sameness(pair->prompt), problems);
        answers.check(i, content::sameness(pair->answer), problems);
    }
    if (pairs < kLeastPairs)
        problems.append(
            {-1, QStringLiteral("a topic needs at least %1 word pairs").arg(kLeastPairs)});
    return problems;
}

int exampleCount(const QStringList& data, const QString& mainHeader) {
    int pairs = 0;
    for (const QString& topic : topicNames(readSection(data, mainHeader))) {
        const QString header = topicHeader(mainHeader, topic);
        if (!data.contains(header, Qt::CaseInsensitive))
            continue; // the content check names it
        for (const QString& line : readSection(data, header))
            pairs += drawable(line.trimmed()) ? 1 : 0;
    }
    return pairs;
}

} // namespace vz::slovicka
