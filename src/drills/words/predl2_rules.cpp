#include "predl2_rules.h"

#include <QSet>

namespace vz::predl2 {
namespace {

// Beyond this a 196-pixel chip shrinks its font below 9 pixels.
constexpr int kMaxChars = 46;

// The two-way prepositions and their contractions with the article.
const QSet<QString>& twoWayWords() {
    static const QSet<QString> words{
        QStringLiteral("an"),      QStringLiteral("auf"),   QStringLiteral("hinter"),
        QStringLiteral("in"),      QStringLiteral("neben"), QStringLiteral("über"),
        QStringLiteral("unter"),   QStringLiteral("vor"),   QStringLiteral("zwischen"),
        QStringLiteral("ans"),     QStringLiteral("aufs"),  QStringLiteral("ins"),
        QStringLiteral("hinters"), QStringLiteral("übers"), QStringLiteral("unters"),
        QStringLiteral("vors"),    QStringLiteral("am"),    QStringLiteral("im"),
        QStringLiteral("hinterm"), QStringLiteral("überm"), QStringLiteral("unterm"),
        QStringLiteral("vorm")};
    return words;
}

// Words that show the case for certain, first the preposition (a
// contraction), then the word after it.
struct CaseForms {
    QSet<QString> contractions;
    QSet<QString> following;
    bool endingEm = false; // dem, einem, meinem ... are dative
};

QString caseFault(const QString& line, const CaseForms& wrong, const QString& what) {
    const QStringList words = line.toLower().split(QLatin1Char(' '));
    if (words.size() < 2 || !twoWayWords().contains(words[0]))
        return QStringLiteral("a phrase begins with a two-way preposition "
                              "(an, auf, hinter, in, neben, über, unter, vor, zwischen)");
    if (wrong.contractions.contains(words[0]) || wrong.following.contains(words[1]) ||
        (wrong.endingEm && words[1].endsWith(QStringLiteral("em"))))
        return what;
    return {};
}

} // namespace

const sorting::Layout& layout() {
    static const sorting::Layout board{{75, 365},
                                       202,
                                       {289, 580},
                                       196,
                                       192,
                                       {{{14, 378},
                                         {221, 378},
                                         {428, 378},
                                         {14, 411},
                                         {221, 411},
                                         {428, 411},
                                         {14, 444},
                                         {221, 444},
                                         {428, 444}}}};
    return board;
}

const sorting::Game& game() {
    static const sorting::Game places{
        {QStringLiteral("-wohin"), QStringLiteral("-wo")},
        6,
        QStringLiteral("Spojenie: '"),
        {QStringLiteral("' je v skupine: 'wohin'"), QStringLiteral("' je v skupine: 'wo'")}};
    return places;
}

QVector<int> splitNine(QRandomGenerator& random) {
    int x = random.bounded(7);
    int y = 9 - x;
    while (y > 6) {
        ++x;
        --y;
    }
    return {x, y};
}

ContentProblems checkWohin(const QStringList& body) {
    static const CaseForms dative{
        {QStringLiteral("am"), QStringLiteral("im"), QStringLiteral("hinterm"),
         QStringLiteral("überm"), QStringLiteral("unterm"), QStringLiteral("vorm")},
        {QStringLiteral("der"), QStringLiteral("einer"), QStringLiteral("mir"),
         QStringLiteral("dir"), QStringLiteral("ihm")},
        true};
    return sorting::checkColumn(body, game().maxPerColumn, kMaxChars, [](const QString& line) {
        return caseFault(line, dative, QStringLiteral("a dative form in the wohin column"));
    });
}

ContentProblems checkWo(const QStringList& body) {
    static const CaseForms accusative{
        {QStringLiteral("ans"), QStringLiteral("aufs"), QStringLiteral("ins"),
         QStringLiteral("hinters"), QStringLiteral("übers"), QStringLiteral("unters"),
         QStringLiteral("vors")},
        {QStringLiteral("das"), QStringLiteral("die"), QStringLiteral("ein"),
         QStringLiteral("eine"), QStringLiteral("einen"), QStringLiteral("mich"),
         QStringLiteral("dich"), QStringLiteral("ihn")},
        false};
    return sorting::checkColumn(body, game().maxPerColumn, kMaxChars, [](const QString& line) {
        return caseFault(line, accusative, QStringLiteral("an accusative form in the wo column"));
    });
}

} // namespace vz::predl2
