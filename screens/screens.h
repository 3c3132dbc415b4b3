#pragma once
// Every screen's state handlers and the few values screens share. Each group
// lives in its own file under screens/ (the computer turns in
// screens/turn_driver.cpp); app/registration.cpp names them all.
#include <string>
#include <vector>

struct Galaxy;
enum class Seat;

// Game speed, set by the options screen and read by the computer turns:
// gameSpeed 0, 1, 2 is slow, normal, fast; gameSpeedDelay 100, 50, 25 ms.
// Normal at every start. (screens/menu_options.cpp)
extern int gameSpeed;
extern int gameSpeedDelay;

// Title, help and about. (screens/info_screens.cpp)
void titleScreen(int elapsedMs);
void resetTitleForTests();

// The game board and the human's turn. (screens/board.cpp)
void drawPlayScreen(int elapsedMs);
void openPlayScreen(int elapsedMs);
// Opens the board on a game read from the save, at the screen of its phase.
void resumeSavedGameScreen(int elapsedMs);
void playScreen(int elapsedMs);
void noSupportScreen(int elapsedMs);
void placeHumanScreen(int elapsedMs);
void attackHumanScreen(int elapsedMs);

// The start of a deciding seat's turn and the banner before a human's when
// several humans play. (screens/seat_turn.cpp)
void seatTurnScreen(int elapsedMs);
void seatBannerScreen(int elapsedMs);
// Humans at this screen still in the game (in a network game the others
// play elsewhere): with more than one, each one's turn is announced.
int humansHere();
// "red: your turn" for player p.
std::string yourTurnText(int p);
// Black or white, whichever reads on a band of player p's colour.
int inkOnPlayerColour(int p);

// Battle, transfer and move panels. (screens/battle_panels.cpp)
void fightHumanScreen(int elapsedMs);
void transferToConqueredScreen(int elapsedMs);
void moveHumanScreen(int elapsedMs);

// Elimination, victory and statistics. (screens/end_and_stats.cpp)
// The "ok" of the "killed" screen: the next announcement, or the game goes on.
void continueAfterElimination(int);
void killedScreen(int elapsedMs);
void winScreen(int elapsedMs);
void statsScreen(int elapsedMs);
void resetEndScreensForTests();

// The computer players' turns on screen. (screens/turn_driver.cpp)
void drawAIScreen(int elapsedMs);
void startAIScreen(int elapsedMs);
void placeAIScreen(int elapsedMs);
void attackAIScreen(int elapsedMs);
// The expert's turn: one decision per pause, as the computer players step.
void expertTurnScreen(int elapsedMs);

// Galaxy selection, to load a galaxy into the editor or else to start a
// game. (screens/galaxy_selection.cpp)
void openSelection(bool forEditor);
void loadScreen(int elapsedMs);
void resetSelectionForTests();

// Hosting a network game: the lobby of the galaxy chosen on the selection
// screen, its seats from the seat lines, on port (0: any free one); false
// (why) when the port cannot be opened. (screens/lobby.cpp)
bool openLobby(const Galaxy& galaxy, const std::vector<Seat>& seats, int port, std::string& why);
void lobbyScreen(int elapsedMs);
void resetLobbyForTests();
// Joining one, from the main menu. (screens/join.cpp)
void openJoin(int);
void joinScreen(int elapsedMs);
void resetJoinForTests();

// Main menu and options. (screens/menu_options.cpp)
void menuScreen(int elapsedMs);
void optionsScreen(int elapsedMs);
// Opens our manual (manual.html in the data folder) in the desktop's browser
// without waiting. Without an opener, or without the manual, the menu and the
// about screen show where the manual is (or should be) for a few seconds,
// through drawManualNote. The int is ignored.
void openHomePage(int);
void drawManualNote(int elapsedMs);
void resetMenusForTests();

// Help and about. (screens/info_screens.cpp)
void helpScreen(int elapsedMs);
void aboutScreen(int elapsedMs);
void resetHelpAndAboutForTests();

// The galaxy editor. (screens/editor.cpp)
void openEditorScreen(int elapsedMs);
void editorScreen(int elapsedMs);
void confirmScreen(int elapsedMs);
// The selection screen's "load" in editor mode: the built-in galaxy or a
// galaxy file into the editor, or the panel says why not.
void loadIntoEditorScreen(bool builtIn, const std::string& fileName);
// At the program's end: the editor's unsaved work, if any, as a draft that
// the editor offers when it is next opened (game/editor_draft.h).
void keepEditorWorkAsDraft();
// How long the panel's line about a save or a refused galaxy stays.
constexpr int editorMessageMs = 4000;
// The line shown in the panel now ("" for none), e.g. "Saved: NOVA".
std::string editorMessage();
void resetEditorScreensForTests();
