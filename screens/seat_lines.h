#pragma once
// The selection screen's seat lines: for the galaxy shown, one line per player
// in its colour saying who plays it, switched by a click. The choice stays for
// the run; a galaxy with fewer players uses the first lines.
#include <vector>

#include "game/game_state.h"

// The seats for a game of that many players, as the lines stand.
std::vector<Seat> chosenSeats(int players);
// The lines take these seats (a game started or resumed), the rest unchanged.
void rememberSeats(const std::vector<Seat>& seats);
// Draws the lines of the players; a click on a line switches its seat,
// human, computer, expert and round again, unless clicks are off.
void runSeatLines(int players, bool clickable);
void resetSeatLinesForTests();
