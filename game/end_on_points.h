#pragma once
// The end of a game that computer players alone play on. Nothing in their
// rules makes them finish: on some galaxies they settle into a position where
// every attack is repelled, on others stars change hands back and forth for
// ever. Once no human takes part (the demonstration game, or a game after
// the last human seat was eliminated) such a game ends, and the player ahead
// on points wins. Games with a human still in play never end this way.
#include "game/game_state.h"

// A cycle of turns ending with this many turns in a row in which no star
// changed owner ends the game.
constexpr int quietTurnsToEnd = 1200;
// The cycle of this turn ends the game whatever happens in it.
constexpr int lastComputerTurn = 2500;

// A human seat is alive.
bool humanInPlay(const GameState& state);

// A star changed owner in the cycle of galaxy.turn.
void noteConquest(Galaxy& galaxy);

// At the end of a cycle of turns: the game ends on points now.
bool endsOnPoints(const GameState& state);

// The alive player ahead on points: the highest income, then the most stars,
// then the most armies, then the lower index. noOwner when nobody is alive.
int pointsLeader(const GameState& state);
