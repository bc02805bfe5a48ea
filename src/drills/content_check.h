#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vz {

// A fault in a section of the German content: `line` counts the lines of the
// section's body from 0 (the line after the header).
struct ContentProblem {
    int line = 0;
    QString what;
};
using ContentProblems = QVector<ContentProblem>;

// Checks a section of the content with the rules of the drill that reads it:
// the shape of every line, one right answer, no repeated example. A header
// no drill reads is itself a problem.
ContentProblems checkContentSection(const QString& header, const QStringList& body);

// How many examples a section holds (lines of an example counted by its drill).
int contentExampleCount(const QString& header, const QStringList& body);

// How many examples a game holds in the whole content `data`: those of its
// section "[code]", or, for a game without one, the sum over its column
// sections "[code-...]" that a drill reads (the sorting drills). -1 when the
// content has nothing of the game, 0 when its section refers to sections
// that are missing.
int gameExampleCount(const QString& code, const QStringList& data);

// Helpers for the drills' own checks.
namespace content {

// The text by which two examples count as the same: letter case, spaces and
// the final punctuation do not make them different.
QString sameness(const QString& text);

// Adds a problem for every line whose key was seen before.
class RepeatFinder {
public:
    void check(int line, const QString& key, ContentProblems& problems);

private:
    QHash<QString, int> seen;
};

// Whole-line fault: `line` has not `count` fields separated by "|".
bool hasFields(const QString& line, int count);

} // namespace content
} // namespace vz
