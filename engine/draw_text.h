#pragma once
// Lines, filled rectangles and text in twenty fixed font sizes. Text is UTF-8.
#include "engine/image.h"

constexpr int fontCount = 20;
extern const int fontHeights[fontCount];

// Opens the fonts once; true when the font file could be read. Without a font
// every text call draws nothing and measures 0 x 0.
bool openFonts();
// Index into fontHeights of the largest height not above size (0 below 8).
int fontIndexForSize(int size);

void drawLine(int x1, int y1, int x2, int y2, int r, int g, int b);
void fillRect(int x, int y, int width, int height, int r, int g, int b);
void drawText(int x, int y, int r, int g, int b, const char* text, int size, bool opaque);
void drawTextInBox(int x, int y, int width, int height, int r, int g, int b, const char* text,
                   bool leftAligned);
// The same, with text too long for the box even in the smallest font cut at
// the box's edges instead of running over them.
void drawTextCutToBox(int x, int y, int width, int height, int r, int g, int b, const char* text,
                      bool leftAligned);

// The same text rendering into any image, for pictures painted by the program.
void drawTextOnImage(Image& target, int x, int y, int r, int g, int b, const char* text,
                     int size, bool opaque);
// Width and height of one line of text in the font chosen for size.
void measureText(const char* text, int size, int& width, int& height);

// Told of every text that did not fit its box even in the smallest font (cut
// or running over), so that tools and tests can name it; none by default.
using TextOverflowHook = void (*)(const char* text, int x, int y, int width, int height);
void setTextOverflowHook(TextOverflowHook hook);
void reportTextOverflow(const char* text, int x, int y, int width, int height);
