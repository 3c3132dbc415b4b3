#pragma once
// A game named on the command line, started without the menus:
//   zentory --galaxy NAME [--seats human,computer,...] [--difficulty N] [--seed S]
// Every fault is found before a window opens.
#include <string>

#include "game/game_state.h"

struct GameRequest {
    bool given = false;
    // A galaxy of the selection screen's list, or a file path ("/" in it or
    // ending in ".gly").
    std::string galaxy;
    // Empty for the default seats: player 0 human, the others computer.
    std::string seats;
    int difficulty = 2;
    bool seeded = false;
    unsigned seed = 0;
};

// The arguments after the program's name. Not a game request (given false)
// unless the first is one of its options; false, why naming the fault, for an
// unknown or repeated option, a missing value, a difficulty out of 0..4, a
// seed that is not a number in 0..4294967295, or no --galaxy.
bool readGameRequest(int argc, char** argv, GameRequest& request, std::string& why);

// Reads the galaxy (a path relative to the folder here; a list name from the
// galaxy folders in use) and deals the game into state as the match runner
// deals the same seed, with the seats asked for. False, why naming the
// fault: a galaxy that cannot be read or cannot be won, seats not one per
// player or an unknown word. Without a seed the clock's is used.
bool dealRequestedGame(const GameRequest& request, const std::string& here, GameState& state, std::string& why);
