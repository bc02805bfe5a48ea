#include "poradek_rules.h"

#include <QSet>
#include <algorithm>

namespace vz::poradek {
namespace {

const QString kPunctuation = QStringLiteral("!,.?");
constexpr int kLargestSize = 16;
constexpr int kSmallestSize = 8;

// A random movable place other than `other` (-1: any).
int movablePlace(const QVector<bool>& fixed, int other, QRandomGenerator& random) {
    QVector<int> places;
    for (int i = 0; i < fixed.size(); ++i) {
        if (!fixed[i] && i != other)
            places << i;
    }
    return places[random.bounded(int(places.size()))];
}

} // namespace

OrderSentence parseExample(const QString& line) {
    OrderSentence sentence;
    for (const QString& written : line.trimmed().split(QLatin1Char('|'))) {
        const bool fixed = written.startsWith(QLatin1Char('&'));
        sentence.words << (fixed ? written.mid(1) : written);
        sentence.fixed << fixed;
    }
    sentence.correct = joinWords(sentence.words);
    return sentence;
}

bool startsWithPunctuation(const QString& word) {
    return !word.isEmpty() && kPunctuation.contains(word.front());
}

QString joinWords(const QStringList& words) {
    QString sentence;
    for (const QString& word : words) {
        if (!startsWithPunctuation(word))
            sentence += QLatin1Char(' ');
        sentence += word;
    }
    return sentence.trimmed();
}

WordOrder::WordOrder(const OrderSentence& sentence)
    : right(sentence.words), shown(sentence.words), fixed(sentence.fixed),
      correct(sentence.correct) {
    fixed.resize(shown.size(), true);
}

void WordOrder::scramble(QRandomGenerator& random) {
    if (movableCount() < 2)
        return; // no pair to swap: the search for one would never end
    const int swaps = random.bounded(15) + 5;
    for (int k = 0; k < swaps; ++k) {
        const int a = movablePlace(fixed, -1, random);
        swap(a, movablePlace(fixed, a, random));
    }
}

bool WordOrder::swap(int a, int b) {
    if (a == b || isFixed(a) || isFixed(b))
        return false;
    shown.swapItemsAt(a, b);
    return true;
}

int fittingSize(const QStringList& words, const Measure& measure) {
    const QString together = words.join(QString());
    const int gaps = kWordGap * qMax(0, int(words.size()) - 1);
    int size = kLargestSize;
    while (size > kSmallestSize && measure(together, size) + gaps > kRowWidth)
        --size;
    return size;
}

QVector<int> wordLefts(const QStringList& words, int size, const Measure& measure) {
    QVector<int> lefts;
    int right = kRowLeft;
    for (int i = 0; i < words.size(); ++i) {
        const int left =
            i == 0 ? kRowLeft : right + (startsWithPunctuation(words[i]) ? 0 : kWordGap);
        lefts << left;
        right = left + measure(words[i], size);
    }
    return lefts;
}

int dropTarget(const QVector<QRect>& wordRects, const WordOrder& order, int source, QPoint at) {
    for (int i = 0; i < wordRects.size(); ++i) {
        const QRect& r = wordRects[i];
        const bool inside = at.x() >= r.left() && at.x() <= r.left() + r.width() &&
                            at.y() >= r.top() && at.y() <= r.top() + r.height();
        if (inside && i != source && !order.isFixed(i))
            return i;
    }
    return -1;
}

int pageSize(int examplesLeft) {
    return examplesLeft < 10 ? 5 : 10;
}

ContentProblems checkExamples(const QStringList& body) {
    ContentProblems problems;
    content::RepeatFinder repeats;
    for (int i = 0; i < body.size(); ++i) {
        if (body[i].startsWith(QLatin1Char('#')))
            continue;
        const auto fault = [&problems, i](const QString& what) {
            problems.append(ContentProblem{i, what});
        };
        const OrderSentence sentence = parseExample(body[i]);
        QSet<QString> movable;
        bool shaped = true;
        for (int w = 0; w < sentence.words.size(); ++w) {
            const QString& word = sentence.words[w];
            if (word.isEmpty()) {
                fault(QStringLiteral("word %1 is empty").arg(w + 1));
                shaped = false;
            } else if (word.trimmed() != word) {
                fault(QStringLiteral("word %1 has spaces at its ends").arg(w + 1));
                shaped = false;
            } else if (word.size() > 1 && std::any_of(word.begin(), word.end(), [](QChar c) {
                           return kPunctuation.contains(c);
                       })) {
                fault(QStringLiteral("\"") + word +
                      QStringLiteral("\": a punctuation mark is a word of its own"));
                shaped = false;
            }
            if (!sentence.fixed[w])
                movable.insert(word);
        }
        if (shaped && movable.size() < 2)
            fault(QStringLiteral("a sentence needs two different words that move"));
        repeats.check(i, content::sameness(sentence.correct), problems);
    }
    return problems;
}

} // namespace vz::poradek
