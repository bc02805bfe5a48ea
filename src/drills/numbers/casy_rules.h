#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QStringList>

namespace vz {

// The rules of the informal clock drill (game 6d), without widgets: ten
// times in words, put into the order in which their lines stand.
namespace casy {

inline constexpr int kRows = 10;
inline constexpr int kLargestCount = 30;
// The order is kept in a byte: a section holds fewer lines than this.
inline constexpr int kLineLimit = 255;

// The equivalent wordings of a line (separated by "|"), trimmed.
QStringList wordings(const QString& line);
// One wording of the line, each equally likely.
QString pickWording(const QString& line, QRandomGenerator& random);

// The time an informal wording names, as minutes after one o'clock
// (0 ... 719; 12:30 is 690), or what is wrong with it.
struct ClockTime {
    int minutes = -1;
    QString fault;
};
ClockTime readTime(const QString& wording);

// A dealt page: the expected text of each row (the drawn wordings in the
// order of their lines) and the tile texts shuffled.
struct Page {
    QStringList order;
    QStringList tiles;
};

// Draws ten lines of `section` (fresh ones first; "Cannot open file"
// naming `sectionName` when the section cannot fill the page), adds their
// indices to `page`, picks a wording of each and orders them.
Page dealPage(const QStringList& section, const TLChSet& used, TLChSet& page,
              QRandomGenerator& random, const QString& sectionName);

// A row is right when its tile shows the row's expected wording exactly.
bool isRight(const Page& page, int row, const QString& tileText);

// ExamplesLeft after a checked page of ten; never below 0.
int examplesAfterPage(int left);

// Every line one time in one or more informal wordings that readTime()
// understands and that name the same time; each line later than the one
// before; fewer than kLineLimit lines, at least kLargestCount times.
ContentProblems checkExamples(const QStringList& body);

} // namespace casy
} // namespace vz
