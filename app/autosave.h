#pragma once
// The game in play kept on the disk, so that a game is never lost: written
// after every change of its course, read back at the next start.
//
// The file is "savegame" in the player's folder (game/save_file.h says what
// it holds). The frame only copies the game; a thread of its own turns it into
// text and puts that on the disk (replaceFile: temporary file, flush,
// rename), so that neither a large galaxy nor a slow disk holds a frame up,
// and a crash at any moment leaves the last complete save. A save that cannot be read is renamed to savegame.bad
// (savegame.bad.2 and on when that name is taken) and never deleted.
#include <cstddef>
#include <string>

inline constexpr const char* saveFileName = "savegame";
// Held (flock) by the one copy of the game that resumes and saves games in
// the folder; a second copy plays without either and says so.
inline constexpr const char* lockFileName = "savegame.lock";
// A save of the largest galaxy a file may hold takes about 2.2 MB; a larger
// file is set aside unread.
inline constexpr size_t maxSaveFileBytes = 8u * 1024 * 1024;

// Where the save lives; nothing is read or written until a folder is given.
void useSaveFolder(const std::string& folder);
std::string savePath();

enum class SaveAtStart {
    None,      // no save: a fresh start
    Resumed,   // the saved game is the game in play, ready for "Resume Game"
    SetAside,  // the save could not be read and was renamed aside
};
// At start-up: takes the folder for this copy (or finds another copy holding
// it: then nothing is resumed or saved), and reads the save into the game
// state and the generator. Anything under the save's name that is not a
// regular file of at most maxSaveFileBytes is set aside like a damaged save.
SaveAtStart loadSavedGame();

// Called after every frame: writes the game when its course changed (never
// a demonstration game), and removes the save once the game is decided.
void autosaveAfterFrame();
// At the program's end: writes the game in play and waits for the disk.
void finishSaving();
// Waits until everything handed to the writer is done (tests).
void waitForSaves();

// What went wrong reaches the player through screens/notices.h, filled after
// every frame: the main menu's line about an unreadable save or another copy
// holding the folder, the board's line while the game in play is not kept.

void resetAutosaveForTests();
