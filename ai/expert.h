#pragma once
// The expert computer player: a deciding seat played by a stronger rule set
// than the standard planner's, with the same income and the same view of the
// galaxy as any player. It plays through decisions (game/decide.h), one at a
// time, and reads nothing but the state: the same state gives the same
// decision on every machine, and asking draws nothing from the game's
// generator. docs/expert.md describes how it plays and why.
#include "ai/expert_style.h"
#include "game/decision.h"
#include "game/game_state.h"

// The next decision for seat in the phase the state is in: a placement, an
// attack, a transfer, a move or the end of its turn; "end" outside its
// phases. Legal whenever a legal decision exists.
Decision expertDecision(const GameState& state, int seat);
Decision expertDecision(const GameState& state, int seat, const ExpertStyle& style);
