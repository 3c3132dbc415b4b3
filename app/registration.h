#pragma once
// Above every screen: the one place that names them all to the state registry
// (screens/states.h), and the frame handler that does so on its first call.

#include <string>

#include "game/game_state.h"
#include "game/recording.h"

void registerAllStates();
// The first frame opens the replay viewer on this recording (zentory --replay
// FILE) instead of the title; Escape then leads to the main menu.
void openReplayAtStart(const Recording& recording, const std::string& title);
// The first frame starts this game (zentory --galaxy ...) on the board
// instead of showing the title; its recording begins with it.
void openGameAtStart(const GameState& game);
// The frame handler: registers every state on its first call, then runs the current one.
void appFrame(int elapsedMs);
// Puts every screen's process-wide state back as at program start, so that
// tests can run the program again in the same process. Each screen group adds
// its own reset here.
void resetAllScreensForTests();
