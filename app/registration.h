#pragma once
// Above every screen: the one place that names them all to the state registry
// (screens/states.h), and the frame handler that does so on its first call.

void registerAllStates();
// The frame handler: registers every state on its first call, then runs the current one.
void appFrame(int elapsedMs);
// Puts every screen's process-wide state back as at program start, so that
// tests can run the program again in the same process. Each screen group adds
// its own reset here.
void resetAllScreensForTests();
