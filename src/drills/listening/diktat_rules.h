#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vz {

// One dictated sentence: what the pupil must write and the wave file that says it.
struct DiktatExample {
    QString Answer;
    QString SoundName;
};

namespace diktat {

// A half-page is one block of this many consecutive lines: a small text.
constexpr int kBlockLines = 5;

// "soundname|Sentence."; both parts trimmed, split at the first "|".
DiktatExample parseLine(const QString& line);

// The wave file of a sentence, as a resource name ("sound\dikt\d001.wav").
QString soundFile(const QString& soundName);

// Forgives spacing around the marks , . ! ? and nothing else: a run of
// spaces becomes one, a space before a mark goes, a space is put after a
// mark that a word follows directly. An empty text stays empty.
QString NormalizeSentence(const QString& text);

// The pupil's sentence as it is judged (trimmed, then normalised).
QString judgedText(const QString& typed);

// Right only when the judged text equals the stored sentence exactly.
bool isRight(const QString& typed, const DiktatExample& example);

// Deals `size` rows (5 or 10) as one or two blocks of the section, never the
// same block twice on a page, blocks in `used` only when no other is left;
// raises "Cannot open file" when the section cannot fill the page.
QVector<DiktatExample> dealPage(const QStringList& section, int size, const TLChSet& used,
                                TLChSet& page, QRandomGenerator& random,
                                const QString& sectionName);

// The sentences the drill can deal: five for every whole block that is not
// commented out.
int exampleCount(const QStringList& body);

ContentProblems checkExamples(const QStringList& body);

} // namespace diktat
} // namespace vz
