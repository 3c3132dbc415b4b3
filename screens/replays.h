#pragma once
// Watching a recorded game again.

// Plays back the recording of the game in play (or just finished) on the board.
void openReplayOfCurrentGame();
