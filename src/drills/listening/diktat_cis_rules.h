#pragma once

#include "../../controls/lchset.h"
#include "../content_check.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace vz::diktatcis {

// The numbers are those of the numeral matching game of the same group:
// "[" + group + "a]".
QString sectionHeader(int group);

// The number of a line: its trimmed text before the first "|". It is the
// expected answer and the name of the wave file at once.
QString numberOf(const QString& line);

// The wave file of a number, as a resource name ("sound\cis\23.wav").
QString soundFile(const QString& number);

// Right when the typed text without blanks at both ends is the number.
bool isRight(const QString& typed, const QString& number);

// Deals `size` different numbers; lines in `used` only when no other is
// left; raises "Cannot open file" when the section cannot fill the page.
QStringList dealPage(const QStringList& section, int size, const TLChSet& used, TLChSet& page,
                     QRandomGenerator& random, const QString& sectionName);

// Faults that would keep a number from being a wave file's name or an answer:
// empty, holding a path separator or a blank, or used twice.
ContentProblems checkNumbers(const QStringList& body);

} // namespace vz::diktatcis
