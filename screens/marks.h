#pragma once
// Each player's own small shape, drawn on its stars and beside its colour
// when marks are on (options screen): players told apart by shape as well
// as by colour, for those who cannot tell some of the colours apart.
#include <vector>

// On or off; read at start from the option's file.
extern bool showMarks;

// The option is kept as the volumes are (the same folder, the same one-number
// files): "1" in marks.lst is on; a missing, unreadable or other file is off.
void loadMarksOption();
// Sets the option and writes its file; a failed write is silent, as with the volumes.
void setMarksOption(bool on);

// Side of the marks on the board, in pixels, without their one-pixel rim.
constexpr int boardMarkSize = 9;

// The shape of a player's mark (0 .. maxPlayers - 1) on a size x size grid,
// row by row; all false for any other player.
std::vector<bool> markMask(int player, int size);
// The mark in white inside a black rim one pixel wide, its shape's top-left
// corner at x, y: readable on every player's colour and on the sky.
void drawPlayerMark(int player, int x, int y, int size);
