#pragma once

#include "../content_check.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace vz {

// One row of the error drills (personal pronouns, prepositions): a sentence
// that is right or holds one wrong word, or phrase, marked "<...>".
struct ErrorRow {
    QString sentence;    // as written, the wrong part between "<" and ">"
    QString wrongWord;   // the text between "<" and ">"; empty for a right sentence
    QString correctWord; // what belongs in its place; empty for a right sentence
    bool hasError = false;
};

// A word or a punctuation mark of the sentence as the row shows it.
struct SentenceToken {
    QString caption;          // without "<" and ">"
    bool punctuation = false; // never underlined; stands right at the word before it
    bool wrong = false;       // a part of the wrong word
};

// The row's switch "the sentence has an error".
enum class ErrorSwitch { Unset, Yes, No };

namespace oszajm {

// "1 sentence with a <wrong> word|correction" or "0 a right sentence": a
// digit ("1" for a sentence with an error), one separator, the sentence.
ErrorRow parseLine(const QString& line);

// The sentence split into words at spaces and around ",", ".", "?" and "!";
// spaces are dropped.
QVector<SentenceToken> tokens(const QString& sentence);

// Right only when the switch tells whether there is an error, exactly the
// words of the wrong part are underlined (`underlined` flags the tokens()
// of the sentence), and the field holds exactly the correction, spaces
// included. A right sentence wants the switch at no, nothing underlined and
// an empty field.
bool isRight(const ErrorRow& row, ErrorSwitch choice, const QVector<bool>& underlined,
             const QString& typed);

// The answer window: for a sentence with an error the wrong word and the
// corrected sentence, for a right one a single line (the second is empty).
QString answerFirstLine(const ErrorRow& row);
QString answerSecondLine(const ErrorRow& row);

ContentProblems checkExamples(const QStringList& body);

} // namespace oszajm
} // namespace vz
