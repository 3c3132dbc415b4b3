#pragma once
// The expert's look ahead: an attack weighed against ending the turn by
// playing both on, on copies of the game, through the rest of its turn and
// the other players' turns (the standard planner as their model) to its next
// turn, with battles drawn from its own generator.
#include <cstdint>

#include "ai/expert_style.h"
#include "game/decision.h"
#include "game/game_state.h"

// Whether the look ahead fits the work budget here: two players left on a
// galaxy of few stars, where the other's turns cost little to play.
bool lookaheadFits(const GameState& state);

// A seed for the expert's own generator from what the state holds: the same
// state gives the same seed everywhere.
uint32_t thinkingSeed(const GameState& state);

// The rules the seat plays its own turn by in the rollouts.
using ExpertRules = Decision (*)(const GameState& state, int seat, const ExpertStyle& style);

// How well seat stands after `first` and then its own rules (with no look
// ahead) to its next turn, summed over the rollouts (each its own seed,
// derived from seed).
double lookaheadValue(const GameState& state, int seat, const Decision& first, uint32_t seed, int rollouts,
                      const ExpertStyle& style, ExpertRules rules);
