#pragma once
// Starting a game: the galaxy dealt out afresh, the game state begun, and the
// application told (it opens the board).
#include "game/game_state.h"

// What startNewGame does once the game galaxy is ready (the application
// switches to the board's "openPlay" state). Nothing when not installed.
using GameStartedHandler = void (*)();
void setGameStartedHandler(GameStartedHandler handler);

// Tells the application that the game in gameState has begun (a game
// received from a network host): the game-started handler, if any.
void announceGameStarted();

// A new game on galaxy: prepares and sets it up with the tick seed, sets
// the seats (the default ones when they are not one per player), begins the
// game state and calls the game-started handler.
void startNewGame(const Galaxy& galaxy, const std::vector<Seat>& seats);
// With the default seats: a human at player 0, or none in the demonstration.
void startNewGame(const Galaxy& galaxy, bool demo);
