#pragma once
// What the end-of-game screens show and where the game goes on
// (end_and_stats.cpp); the handlers are declared in screens/screens.h.
#include <string>

#include "screens/states.h"

// Text of the "killed" screen.
extern std::string eliminationMessage;
// The state to go on with when the game is not over.
extern State afterElimination;
// A player's name in the statistics: "you" for the one human, "red (human)"
// for each of several, "red AI" for the others.
std::string statisticsName(int p);
// Text of the "win" screen.
extern std::string winMessage;
// Milliseconds left before the "win" screen may be left.
extern int winTimer;

// After a core operation that may have put a player out or ended the game:
// announces what the game state recorded (killed, then win), or goes on
// with nextState at once.
void announceOrGo(State nextState);
