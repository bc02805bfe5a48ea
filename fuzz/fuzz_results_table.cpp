// The best-results tables of tab.dat and the grade scale of Znamky.dat, as a
// damaged or hand-edited file may hold them. A result recorded into any table
// is found there again, and no other game's table changes.

#include "fuzz_input.h"
#include "store/app_error.h"
#include "store/results.h"
#include "store/text_lines.h"

#include <QHash>

using namespace vz;

namespace {

constexpr int kGames = 29;

QVector<GradeBand> schoolScale() {
    return {{90, 100, 1}, {75, 89, 2}, {50, 74, 3}, {30, 49, 4}, {0, 29, 5}};
}

QVector<TableRow> tableOf(QStringList& tab, int game) {
    ResultsTable table(tab, game);
    table.LoadTable();
    QVector<TableRow> rows;
    for (int k = 0; k < kTableRows; ++k)
        rows << table.row(k);
    return rows; // the section goes back when `table` ends
}

bool sameRows(const QVector<TableRow>& a, const QVector<TableRow>& b) {
    if (a.size() != b.size())
        return false;
    for (int k = 0; k < a.size(); ++k) {
        if (a[k].name != b[k].name || a[k].right != b[k].right || a[k].wrong != b[k].wrong ||
            a[k].grade != b[k].grade)
            return false;
    }
    return true;
}

void checkGradeScale(const QByteArray& bytes) {
    try {
        const QVector<GradeBand> bands = LoadGradeScale(fuzz::inputFile(bytes, "Znamky.dat"));
        // A scale that loads gives every percentage one grade, never better for less.
        int previous = 1;
        for (int percent = 100; percent >= 0; --percent) {
            const int grade = gradeFor(percent, bands);
            VZ_FUZZ_REQUIRE(grade >= previous && grade <= 5);
            previous = grade;
        }
    } catch (const AppError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const int game = 1 + data[0] % kGames;
    const int right = data[1];
    const int wrong = data[2] % 64;
    const QByteArray rest = fuzz::bytes(data + 3, size - 3);
    checkGradeScale(rest);

    QStringList tab = splitLines(rest);
    // The games whose tables the file holds, and the one the result goes to.
    QVector<int> games{game};
    for (int g = 1; g <= kGames; ++g)
        if (g != game && tab.contains(QStringLiteral("[%1]").arg(g)))
            games << g;
    // Reading a damaged table once settles it: reading it again changes nothing.
    QHash<int, QVector<TableRow>> before;
    for (const int g : games)
        before[g] = tableOf(tab, g);
    for (const int g : games)
        VZ_FUZZ_REQUIRE(sameRows(tableOf(tab, g), before[g]));

    int place = -1;
    {
        ResultsTable table(tab, game);
        table.LoadTable();
        place = table.RecordResult(QStringLiteral("Ján [3.B]|%1"), right, wrong, schoolScale());
        table.SaveTable();
    }
    // Stored as text and read back, as at the next start.
    bool storable = true;
    QStringList reread = splitLines(joinLines(tab, &storable));
    if (!storable)
        return 0; // a byte the code page leaves unused was read in; it is saved as "?"
    for (const int g : games) {
        const QVector<TableRow> rows = tableOf(reread, g);
        if (g != game) {
            VZ_FUZZ_REQUIRE(sameRows(rows, before[g]));
        } else if (place >= 0) {
            VZ_FUZZ_REQUIRE(rows[place].name == ResultsTable::tableName("Ján [3.B]|%1") &&
                            rows[place].right == right && rows[place].wrong == wrong);
        }
    }
    return 0;
}
