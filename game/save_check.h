#pragma once
// Whether a saved game read field by field is a game the rules can go on
// with: its numbers within what play can reach (so that no rule overflows on
// it), and its parts in agreement (a state some course of play leads to),
// its course (history and conquests) too.
#include <string>

#include "game/game_state.h"

// The most income a player can draw from a turn: every slot a file may hold a
// dark star, doubled by the easiest level's factor.
extern const int maxSavedIncome;
// The most armies one player can hold: it places only while its armies stay
// within four times its allowance.
extern const int maxSavedArmies;

// True when the state is playable; otherwise why says what is wrong.
bool checkPlayable(const GameState& state, std::string& why);
