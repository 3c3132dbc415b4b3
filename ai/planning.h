#pragma once
// The computer players' planning: star values, defence needs, placement of
// new armies and the choice of the next attack, on the game state: the values
// and needs go to its computer players' memory (state.ai). All of it is
// deterministic except one draw of the state's generator, next(3), per
// doubtful attack proposal (planAttack).
//
// Conversions of doubles to whole numbers truncate toward zero; a value that
// is not finite or lies outside the int range is clamped (NaN gives 0), so no
// input can make a conversion undefined.
#include <vector>

#include "game/game_state.h"

enum class StrengthMode { Cautious = 0, Finishing = 1, Bold = 2 };

// Rewrites the value of every game star.
void computeStarValues(GameState& state);
// Rewrites need of the player's active stars and returns their whole total.
// With no active star of another player every need of the player is 0 and the
// total 0. Other players' stars worth 0 in total while they still hold stars:
// their strength is divided by 1 instead.
int computeDefenceNeeds(GameState& state, int player);
// Rebuilds state.ai.attackCandidates; the best proposal is at index 0.
void planAttack(GameState& state, int player, int extraArmies);
// Places the player's new armies of this turn and labels the stars it put
// them on in state.computerTurns.labels ("4+3", and "4+3 + 5" for a surplus
// sent to the attack source).
void placeArmiesAI(GameState& state, int player);
// Picks one attack and takes its armies off the source star at once, or sets
// all three to noOwner when no attack is worth making.
void chooseAttackAI(GameState& state, int player, int& from, int& to, int& armies);

StrengthMode assessStrength(int player, const std::vector<Star>& stars);
// Nearest whole number; an exact half goes down.
int roundHalfDown(double x);
// Truncation toward zero, clamped to the int range; NaN gives 0.
int truncToInt(double x);
