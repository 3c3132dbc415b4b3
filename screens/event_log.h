#pragma once
// What happened in a turn cycle, as the board shows it on demand: who took
// which star from whom, and who was put out. The replay viewer draws it too.
#include <string>
#include <vector>

#include "game/game_state.h"
#include "screens/widgets.h"

// The lines of the events, oldest first ("red took a golden star from green",
// "green was eliminated"); the kinds are read from galaxy, player you (a sole
// human seat; noOwner for none) is "you".
std::vector<std::string> eventLogLines(const std::vector<GameEvent>& events, const Galaxy& galaxy, int you);

// Draws the lines under title into the box at x, y of w by h; the newest
// lines when not all fit.
void drawEventLog(const std::vector<GameEvent>& events, const Galaxy& galaxy, int you, const char* title, int x,
                  int y, int w, int h);

// The board's log: opened and closed by its button and by L, closed by
// Escape. runEventLog draws it when open and takes the frame's keys; true
// when it took Escape (the screen must not act on it too).
extern bool eventLogOpen;
void toggleEventLog(int);
bool runEventLog();
// The board's "Log" button at x, y.
Button makeEventLogButton(int x, int y);
