#pragma once
// Drawing of galaxies through the engine facade: the preview of the selection
// screen and the editor, and the game board.
#include <string>

#include "game/game_state.h"

// What the board shows beyond the game state: the selected star (the target
// of the battle panels) and the label the computer turns' screen keeps beside
// the target of a battle between its steps.
struct BoardView {
    int selectedStar = noOwner;
    int labelledStar = noOwner;
    std::string label;
};
extern BoardView boardView;

// A star's image centred on its position times scale.
void drawStarScaled(const Star& star, double scale);
// A game star on the board: its owner's colour behind its image.
void drawStarOnBoard(const Star& star);
// Tints the image box of an active layout star; nothing for any other index.
void highlightStar(const Galaxy& galaxy, int index, int r, int g, int b);
// The layout's links and stars at scale, the selected star tinted.
void drawPreview(const Galaxy& galaxy, double scale, int selected);
// The turn line, links, stars and their labels (or army counts) of the game in
// play, and the view's selected star tinted.
void drawBoard(const GameState& state, const BoardView& view);
