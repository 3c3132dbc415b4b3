#pragma once
// The board played from the keyboard: a star cursor that the arrows move
// while no button has the focus, Enter on it to place, or to choose the
// source and then the target of an attack or a move (the army count is then
// asked on the choice buttons, as after a drag); N for "Next Turn", and the
// digits 1 to 7 for the choice buttons.

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
