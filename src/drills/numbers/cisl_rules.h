#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QVector>

namespace vz {

// One example of the numeral matching drill: the numeral written out (the
// prompt, also the typed answer and the sound name of game 6b) and the
// text of its tile, the number in digits.
struct CislExample {
    QString prompt;
    QString answer;
};

// The rules of the numeral matching drill (game 6a), without widgets.
namespace cisl {

inline constexpr int kRows = 10;
// The most examples a game of 6a or 6b asks for.
inline constexpr int kLargestCount = 30;

// Splits a line "prompt|answer" at its first "|"; both parts trimmed.
CislExample parseExample(const QString& line);

// Rows of the next page: 10, or 5 when fewer than ten examples are left.
int pageSize(int examplesLeft);

// A dealt page: the examples in row order and the tile texts shuffled.
struct Page {
    QVector<CislExample> examples;
    QStringList tiles;
};

// Draws `rows` examples of `section` (fresh ones first; "Cannot open file"
// naming `sectionName` when the section cannot fill the page), adds their
// indices to `page` and shuffles their answers onto the tiles.
Page dealPage(const QStringList& section, int rows, const TLChSet& used, TLChSet& page,
              QRandomGenerator& random, const QString& sectionName);

// A row is right when its tile shows the row's answer exactly.
bool isRight(const Page& page, int row, const QString& tileText);

// The numeral as this program writes it: one word, "eins" alone but "ein"
// in compounds, hundreds and thousands with their "ein" ("einhundert",
// "eintausendzwei"), never an "und" after hundert or tausend. 0 ... 999999.
QString germanNumeral(int number);

// Every line "numeral|digits": the numeral one word of letters, unique
// (its lower-case form names a sound file of game 6b), written exactly as
// germanNumeral() writes the digits; at least kLargestCount lines.
ContentProblems checkExamples(const QStringList& body);

} // namespace cisl
} // namespace vz
