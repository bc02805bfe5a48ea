#pragma once

#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

// The rules of the three typing drills of the verb group, without widgets:
// the conjugation pattern drill (1b), the past tense and plural drill (1d,
// 3d) and the imperative drill (1e).
namespace vz {

// 1b: a sentence with a gap, the verb shown in the left column.
struct VzorRow {
    QString before;
    QString after;
    QString shown;
    QString answer;
};

// 1d and 3d: a word and the form the pupil types beside it.
struct PerfRow {
    QString shown;
    QString answer;
};

// 1e: a scene with people's names and a sentence with the imperative's gap.
struct RozkazRow {
    bool speaker = false; // the marker "M": "I" take part in the scene
    QString situation;
    QString before;
    QString after;
    QString answer; // accepted forms separated by "/"
};

// A name of the 1e name lists.
struct PersonName {
    bool female = false;
    QString name;
};

// A picture to draw beside a 1e scene.
struct ScenePicture {
    enum Kind { Boy, Girl, Grandfather, Grandmother, Speaker };
    Kind kind;
    bool second; // the second picture of a row stands right of the first
};

namespace vzor {
inline constexpr int kLinesPerExample = 2;
VzorRow parseExample(const QString& sentenceLine, const QString& answerLine);
// Only spaces at both ends are forgiven; letter case counts.
bool isRight(const VzorRow& row, const QString& typed);
ContentProblems checkExamples(const QStringList& body);
} // namespace vzor

namespace perf {
PerfRow parseExample(const QString& line);
// Spaces at both ends and the case of a ... z are forgiven; umlauts are not.
bool isRight(const PerfRow& row, const QString& typed);
ContentProblems checkExamples(const QStringList& body);
} // namespace perf

namespace rozkaz {
inline constexpr int kLinesPerExample = 3;
inline constexpr int kPageSize = 5;
// The most people a scene may show: two, or one beside the speaker.
inline constexpr int kPeoplePerScene = 2;

RozkazRow parseExample(const QStringList& lines);
PersonName parseName(const QString& line);

// The section of the names that fill `placeholder` ("$" children, "%"
// grandparents): "[1e-$]" for game 1e.
QString namesSectionHeader(int group, QChar letter, QChar placeholder);

// Fills the "$" (children) and "%" (grandparents) of one scene with names
// drawn from what is left of this page's lists; a drawn name is marked used.
// Returns the pictures to draw, in order. Raises "Cannot open file" when a
// list has no unused name left.
QVector<ScenePicture> fillNames(RozkazRow& row, QStringList& children, QStringList& grandparents,
                                QRandomGenerator& random);

// Any of the "/" forms, exactly; spaces at both ends are forgiven.
bool isRight(const RozkazRow& row, const QString& typed);
QString answerSentence(const RozkazRow& row);

ContentProblems checkExamples(const QStringList& body);
ContentProblems checkNames(const QStringList& body);
} // namespace rozkaz

} // namespace vz
