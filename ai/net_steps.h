#pragma once
// The game as lockstep plays it: every step that takes no decision (a new
// turn cycle, the computer players' turns) played at once, up to the next
// decision a seat owes or the game's end. Host and peers step the same way,
// so that they stand at the same point before every decision.
#include <functional>

#include "ai/turn_sequence.h"
#include "game/journal.h"

struct StepWatch {
    // Each computer step, for a trace.
    std::function<void(const Galaxy&, const AiStepReport&)> stepped;
    // Each entry of the journal as it is noted: decisions and cycle ends.
    std::function<void(const CourseEntry&)> noted;
};

// The seat whose decision the game waits for, or noOwner (between steps, over).
int waitingSeat(const GameState& state);

// Plays on up to the next decision or the game's end (or a new cycle at
// maxTurns); the journal, which must be on, is drained into watch.noted
// after every step, in order.
void playToDecision(GameState& state, int maxTurns, const StepWatch& watch);

// Carries out a legal decision and drains the journal; false, and nothing
// done, for an illegal one.
bool applyAndNote(GameState& state, const Decision& decision, const StepWatch& watch);
