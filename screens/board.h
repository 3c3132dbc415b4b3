#pragma once
// The game board's own state, shared by the human's phases (board.cpp) and the
// battle, transfer and move panels (battle_panels.cpp).
#include <array>

#include "screens/widgets.h"

// "Next Turn", "Stats" and "Menu".
extern ButtonSet hudButtons;
// The seven number buttons under the board.
extern ButtonSet choiceButtons;
extern std::array<int, 7> choiceValues;
// What a click on choice button k does; each phase showing the buttons sets it
// every frame.
extern ButtonAction choiceAction;
// Armies placed per click; 1 at the start of each human turn.
extern int placementStep;
extern bool dragging;
extern int dragSource;
extern int dragTarget;

// Text in white, centred in the box unless leftAligned.
void drawWhiteText(int x, int y, int w, int h, const char* text, bool leftAligned = false);
// The one-line description of the star under the pointer.
void drawStarInfo(int elapsedMs);
// Fills choiceValues from min up to max (spread over the seven buttons when
// the range is wider) and shows the buttons holding at most max.
void setChoices(int max, int min);
// Draw, hover and click of the HUD; Escape acts as "Menu".
void runHudButtons(int elapsedMs);

// Sets the board's buttons up for a game, as opening the board does.
void openBoard();

void resetBoardForTests();

// The board played from the keyboard (board_keys.cpp): a star cursor that
// the arrows move while no button has the focus, Enter on it to place, or to
// choose the source and then the target of an attack or a move (the army
// count is then asked on the choice buttons, as after a drag); N for "Next
// Turn", and the digits 1 to 7 for the choice buttons.

// The star cursor: noOwner until an arrow is pressed on the board.
extern int keyStar;
// The source chosen in the attack phase, waiting for its target; noOwner for none.
extern int keySource;
// One frame of keys in the placement phase, before the phase's mouse click.
void placementKeys();
// One frame of keys in the attack phase, before the HUD's buttons (a chosen
// source takes Escape: it lets the source go instead of leaving the board).
void attackKeys();
// One frame of keys on the battle, transfer and move panels, after their
// choice buttons ran: on the panels the keyboard opened, the focus goes to
// the largest choice whenever no button has it.
void panelKeys();
void resetBoardKeysForTests();
