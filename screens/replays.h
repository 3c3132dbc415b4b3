#pragma once
// Watching recorded games again: the list of the player's recordings
// (screens/replays_list.cpp) and the viewer that plays one back on the board
// with a game state of its own (screens/replay_viewer.cpp), so that a game in
// progress survives the watching.
#include <string>
#include <vector>

#include "game/recording.h"
#include "screens/states.h"

// The folder of the player's recordings; app sets it at start-up. Empty: no
// recordings (the list says so).
extern std::string recordingsFolder;
// The recording of the game in gameState, when the recorder knows it; empty
// when not. Set by app.
extern std::string currentRecordingPath;

// A row of the list: a recording summed up, or why it cannot be read.
struct ReplayRow {
    std::string path;
    std::string error; // "recording cannot be read: ..."; empty when readable
    std::string started, galaxy, seats, winner;
    int turns = 0;
};

// Reads the folder's recordings, each once, newest first.
std::vector<ReplayRow> listRecordings(const std::string& folder);
// The rows the list shows now.
const std::vector<ReplayRow>& replayRows();

// The main menu's "Replays": reads the folder and shows the list.
void openReplaysList(int);
void replaysListScreen(int elapsedMs);

// Opens the viewer on a recording read already, at its start; Escape goes to back.
void openReplayViewer(const Recording& recording, const std::string& title, State back);
// The statistics screen's "replay": the recording of the game in gameState
// (currentRecordingPath, else the newest recording of the same galaxy, seats
// and difficulty); nothing when none is found.
void openReplayOfCurrentGame();
void replayViewerScreen(int elapsedMs);

// The viewer's game, for tests: where the replay stands.
const GameState& replayViewerState();
// 0 while the replay agrees with its recording, else the turn where it stopped agreeing.
int replayDiffersAt();
// The recording is played to its last line.
bool replayEnded();

void resetReplaysListForTests();
void resetReplaysForTests();
