#include "game_catalogue.h"

namespace vz {
namespace {

QVector<GameInfo> buildCatalogue() {
    struct Row {
        const char* code;
        const char* title;
        const char* form;
        int step;
        bool print;
    };
    // Titles are UTF-8 literals; 1f holds a no-break space after "s".
    static const Row rows[] = {
        {"1a", "Pomocné slovesá", "TwndVyber", 10, true},
        {"1b", "Bežné slovesá", "TwndVzorEdit", 10, true},
        {"1c", "Spôsobové slovesá", "TwndZpusob", 10, true},
        {"1d", "Minulý čas základných slovies", "TwndPerf", 10, true},
        {"1e", "Rozkazovací spôsob", "TwndRozkaz", 10, true},
        {"1f", "Slovesá s\u00A0odlučiteľnými predponami", "TwndPredp", 10, true},
        {"2a", "Osobné zámená a „es“", "TwndOsZajm", 10, true},
        {"2b", "Privlastňovacie zámená", "TwndPrZajm", 10, true},
        {"2c", "Opytovacie zámená", "TwndTazZajm", 10, true},
        {"3a", "Určovanie rodu (členy)", "TwndCleny", 9, true},
        {"3b", "3. a 4. pád – po člene určitom", "TwndPady", 10, true},
        {"3c", "3. a 4. pád – po člene neurčitom", "TwndVyber", 10, true},
        {"3d", "Množné číslo", "TwndPerf", 10, true},
        {"4a", "Predložky času", "TwndPredl", 10, true},
        {"4b", "Predložky in, nach, aus, an", "TwndOsZajm", 10, true},
        {"4c", "Predložky zu, über, bei, vor, durch, um", "TwndVyber", 10, true},
        {"4d", "Predložky vyjadrujúce pozíciu", "TwndPredl2", 9, true},
        {"5a", "Poradie slov vo vete", "TwndPoradek", 10, true},
        {"5b", "Vyber vhodnú odpoveď", "TwndOdpoved", 10, true},
        {"5c", "Diktát jednoduchých viet", "TwndDiktat", 10, false},
        {"6a", "Číslovky – vizuálne priraďovanie", "TwndCisl", 10, true},
        {"6b", "Číslovky – doplňovanie podľa posluchu", "TwndDiktatCis", 10, false},
        {"6c", "Hodiny – vyjadrené formálne", "TwndHod", 10, true},
        {"6d", "Hodiny – vyjadrené neformálne", "TwndCasy", 10, true},
        {"7a", "Rozlíšenie kein x nicht", "TwndCleny", 9, true},
        {"7b", "Nepatrí do radu", "TwndSkupiny", 10, true},
        {"7c", "Antonymá prídavných mien", "TwndAntonyma", 10, true},
        {"7d", "Priraďovanie nadradených slov", "TwndNadraz", 12, true},
        {"7e", "Slovíčka", "TwndSlovickaObl", 10, false},
    };
    QVector<GameInfo> games;
    int number = 0;
    for (const Row& row : rows) {
        GameInfo game;
        game.number = ++number;
        game.group = row.code[0] - '0';
        game.letter = QLatin1Char(row.code[1]);
        game.title = QString::fromUtf8(row.title);
        game.form = QString::fromLatin1(row.form);
        game.countStep = row.step;
        game.printable = row.print;
        games << game;
    }
    return games;
}

QVector<GroupInfo> buildGroups() {
    static const char* names[] = {"Slovesá",      "Zámená", "Podstatné mená a členy",
                                  "Predložky",    "Vety",   "Číslovky a čas",
                                  "Slovná zásoba"};
    QVector<GroupInfo> groups;
    for (int g = 1; g <= 7; ++g) {
        GroupInfo info;
        info.group = g;
        info.name = QString::fromUtf8(names[g - 1]);
        info.firstNumber = 0;
        info.gameCount = 0;
        for (const GameInfo& game : GameCatalogue()) {
            if (game.group != g)
                continue;
            if (info.gameCount++ == 0)
                info.firstNumber = game.number;
        }
        groups << info;
    }
    return groups;
}

} // namespace

const QVector<GameInfo>& GameCatalogue() {
    static const QVector<GameInfo> games = buildCatalogue();
    return games;
}

const QVector<GroupInfo>& GameGroups() {
    static const QVector<GroupInfo> groups = buildGroups();
    return groups;
}

const GameInfo* findGame(int gameNumber) {
    const auto& games = GameCatalogue();
    if (gameNumber < 1 || gameNumber > games.size())
        return nullptr;
    return &games[gameNumber - 1];
}

const GameInfo* findGame(int group, QChar letter) {
    for (const GameInfo& game : GameCatalogue()) {
        if (game.group == group && game.letter == letter)
            return &game;
    }
    return nullptr;
}

} // namespace vz
