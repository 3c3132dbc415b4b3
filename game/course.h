#pragma once
// What the core notes in the game's journal (game/journal.h): the decisions
// carried out and, at every turn cycle's end, the hashed figures of the state.
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/journal.h"
#include "game/rules.h"

// FNV-1a, 64 bits, of the saved-game text of the state (its generator
// included), less what only the screens change (the selected star, the
// game-in-progress flag, eliminations not yet announced), the galaxy's name
// and the sum line, read as the second save format wrote it (course.cpp).
uint64_t stateHash(const GameState& state);
// 16 lower-case hex digits.
std::string hashText(uint64_t hash);

// Notes a decision about to be carried out, and the end of a turn cycle
// (hashed with the game's generator as it is now); nothing while off. A
// cycle's end also adds its figures to the state's history, whether or not
// a journal is on, and makes its conquests the last cycle's.
void noteDecision(GameState& state, const Decision& decision);
void noteCycleEnd(GameState& state);
// The figures of the state now, as noteCycleEnd keeps them.
CourseEntry cycleFigures(const GameState& state);
// The figures of the state now, as the history keeps them.
TurnFigures turnFigures(const GameState& state);
// What the journal holds, leaving it empty.
std::vector<CourseEntry> drainJournal(GameState& state);

// After a star changed owner in a battle: the conquest joins the cycle's
// events; the previous owner's fall, when the conquest put it out, waits to
// be announced; a last player left is the
// winner and ends the game (and its last turn cycle, in the journal).
void recordConquest(GameState& state, const Conquest& conquest);
