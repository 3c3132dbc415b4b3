#include "engine/draw_text.h"

#include <cstdlib>

#include "engine/display.h"
#include "engine/platform/font.h"

const int fontHeights[fontCount] = {8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42, 50, 60};

bool openFonts() { return fontOpen(fontHeights, fontCount); }

int fontIndexForSize(int size)
{
    int index = 0;
    for (int i = 0; i < fontCount; ++i)
        if (fontHeights[i] <= size) index = i;
    return index;
}

void drawLine(int x1, int y1, int x2, int y2, int r, int g, int b)
{
    if (!display) return;
    if (x1 < 0 || x1 >= 800 || y1 < 0 || y1 >= 600 || x2 < 0 || x2 >= 800 || y2 < 0 || y2 >= 600) return;
    const uint32_t value = packRgb(r, g, b);
    Image& bb = display->backBuffer;
    int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    int x = x1, y = y1;
    if (dy < dx) {
        int e = -dx;
        for (int i = 0; i <= dx; ++i) {
            e += 2 * dy;
            bb.row(y)[x] = value;
            if (e >= 0) {
                e -= 2 * dx;
                y += sy;
            }
            x += sx;
        }
    } else {
        int e = -dy;
        for (int i = 0; i <= dy; ++i) {
            e += 2 * dx;
            bb.row(y)[x] = value;
            if (e >= 0) {
                e -= 2 * dy;
                x += sx;
            }
            y += sy;
        }
    }
}

void fillRect(int x, int y, int width, int height, int r, int g, int b)
{
    long long right = static_cast<long long>(x) + width;
    if (right > 799) right = 799;
    int left = x < 0 ? 0 : x;
    // Rows off the screen are dropped by drawLine; only visit the visible ones.
    long long from = height >= 0 ? y : static_cast<long long>(y) + height;
    long long to = height >= 0 ? static_cast<long long>(y) + height : y;
    if (from < 0) from = 0;
    if (to > 600) to = 600;
    if (right < 0) return;
    for (long long row = from; row < to; ++row)
        drawLine(left, static_cast<int>(row), static_cast<int>(right), static_cast<int>(row), r, g, b);
}

void drawTextOnImage(Image& target, int x, int y, int r, int g, int b, const char* text, int size, bool opaque)
{
    fontDraw(fontIndexForSize(size), text, packRgb(r, g, b), opaque, target, x, y);
}

void measureText(const char* text, int size, int& width, int& height)
{
    fontMeasure(fontIndexForSize(size), text, width, height);
}

void drawText(int x, int y, int r, int g, int b, const char* text, int size, bool opaque)
{
    if (!display || !text) return;
    drawTextOnImage(display->backBuffer, x, y, r, g, b, text, size, opaque);
}

void drawTextInBox(int x, int y, int width, int height, int r, int g, int b, const char* text, bool leftAligned)
{
    if (!display || !text || !fontAvailable()) return;
    int used = 0, usedW = 0, usedH = 0;
    fontMeasure(0, text, usedW, usedH);
    for (int i = 0; i < fontCount; ++i) {
        int w, h;
        fontMeasure(i, text, w, h);
        if (w > width || h > height) break;
        used = i;
        usedW = w;
        usedH = h;
    }
    int dx = leftAligned ? 0 : (width - usedW) / 2;
    int dy = (height - usedH) / 2;
    fontDraw(used, text, packRgb(r, g, b), false, display->backBuffer, x + dx, y + dy);
}
