#pragma once
// Decisions taken by the game: whether one is legal now, and carrying it out.
#include "game/decision.h"
#include "game/game_state.h"

// Whether the decision's player may make it now: it is the deciding seat
// whose turn it is, the phase is the one it belongs to, its stars and armies make sense. Any values
// at all are safe to ask about.
bool isLegal(const GameState& state, const Decision& decision);

// Carries a legal decision out through the human turn's operations and notes
// it (as carried out: a placement cut to what was left) in the state's
// journal; a game it ended gets its closing figures there too. An illegal one
// changes nothing: false.
bool applyDecision(GameState& state, const Decision& decision);
