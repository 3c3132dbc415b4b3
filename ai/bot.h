#pragma once
// A computer player in a human's seat: the standard planner's placement and
// attack choices turned into decisions, one at a time, as a player at the
// board would make them. For headless games with a human seat (recordings,
// tests) and for a seat played for a remote player.
#include "game/decision.h"
#include "game/game_state.h"

// The next decision for seat in the human phase the state is in (placement,
// attack or transfer); "end" in any other phase. The planner runs on a copy
// and the game's generator is left as it was, so asking changes nothing.
Decision botDecision(const GameState& state, int seat);
