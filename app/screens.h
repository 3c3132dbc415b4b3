#pragma once
// Every screen's state handlers, registered on the first frame.

void registerAllStates();
// Whether "Resume Game" may act: a game board was opened.
bool gameInProgressForResume();

// Title, help and about.
void titleScreen(int elapsedMs);
void resetTitleForTests();
