#pragma once
// Glyph rasterising for the text operations: one fixed-width bold face opened
// at each requested cell height. Used by both platforms.
#include <cstdint>

#include "engine/image.h"

// Opens the face at each cell height; false (and every call below a no-op that
// measures 0 x 0) when the font file is missing or unreadable. The file is
// $ZENTORY_FONT when set, else Debian's DejaVu Sans Mono Bold.
bool fontOpen(const int* heights, int count);
const char* fontFilePath();
bool fontAvailable();
void fontClose();
// Text is UTF-8; a byte that does not start a well-formed sequence stands for
// the Latin-1 character of that value. Every character takes one cell.
// Size of the text in the font of that index: the widest line, a cell per line.
void fontMeasure(int index, const char* text, int& width, int& height);
// Blends the text into the target with its top-left corner at (x, y), clipped
// to the target. Opaque fills each character cell black first.
void fontDraw(int index, const char* text, uint32_t colour, bool opaque, Image& target, int x, int y);
// The same, with nothing drawn outside columns [left, right) and rows [top, bottom).
void fontDrawClipped(int index, const char* text, uint32_t colour, bool opaque, Image& target, int x, int y,
                     int left, int top, int right, int bottom);
