#pragma once

class QRandomGenerator;
class QWidget;

namespace vz {

struct GameInfo;
class TStageForm;

// Creates the exercise form the catalogue names for the game, captions it,
// loads its background and deals its first page. Null for a game whose form
// the program does not have. A form whose first page cannot be dealt is
// destroyed again and the error goes on to the error handler.
TStageForm* startExerciseForm(const GameInfo& game, QWidget* stage);
// The same with the examples drawn from `random` (seeded for a repeatable run).
TStageForm* startExerciseForm(const GameInfo& game, QWidget* stage, QRandomGenerator* random);

} // namespace vz
