#pragma once
// The board played from the keyboard: a star cursor that the arrows move
// while no button has the focus, Enter on it to place, or to choose the
// source and then the target of an attack or a move (the army count is then
// asked on the choice buttons, as after a drag); N for "Next Turn", and the
// digits 1 to 7 for the choice buttons. The frame functions are declared in
// board.h, which the board's handlers include.

// The star cursor: noOwner until an arrow is pressed on the board.
extern int keyStar;
// The source chosen in the attack phase, waiting for its target; noOwner for none.
extern int keySource;
