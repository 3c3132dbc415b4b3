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

static void rasteriseLine(int x1, int y1, int x2, int y2, uint32_t value)
{
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

static void drawLineCall(const DrawCall& call)
{
    const int* a = call.args;
    rasteriseLine(a[0], a[1], a[2], a[3], static_cast<uint32_t>(a[4]));
}

void drawLine(int x1, int y1, int x2, int y2, int r, int g, int b)
{
    if (!display) return;
    if (x1 < 0 || x1 >= 800 || y1 < 0 || y1 >= 600 || x2 < 0 || x2 >= 800 || y2 < 0 || y2 >= 600) return;
    DrawCall call;
    call.draw = drawLineCall;
    call.args[0] = x1, call.args[1] = y1, call.args[2] = x2, call.args[3] = y2;
    call.args[4] = static_cast<int>(packRgb(r, g, b));
    queueDrawing(std::move(call));
}

// Rows from, from + 1, ... up to but excluding to, each from left to right.
static void drawRowsCall(const DrawCall& call)
{
    const int* a = call.args;
    for (int row = a[0]; row < a[1]; ++row) rasteriseLine(a[2], row, a[3], row, static_cast<uint32_t>(a[4]));
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
    // The rows' lines, as drawLine would draw them: both ends on the screen.
    if (!display || right < 0 || left > 799 || from >= to) return;
    DrawCall call;
    call.draw = drawRowsCall;
    call.args[0] = static_cast<int>(from), call.args[1] = static_cast<int>(to);
    call.args[2] = left, call.args[3] = static_cast<int>(right);
    call.args[4] = static_cast<int>(packRgb(r, g, b));
    queueDrawing(std::move(call));
}

void drawTextOnImage(Image& target, int x, int y, int r, int g, int b, const char* text, int size, bool opaque)
{
    fontDraw(fontIndexForSize(size), text, packRgb(r, g, b), opaque, target, x, y);
}

void measureText(const char* text, int size, int& width, int& height)
{
    fontMeasure(fontIndexForSize(size), text, width, height);
}

static void drawTextCall(const DrawCall& call)
{
    const int* a = call.args;
    fontDraw(a[3], call.text.c_str(), static_cast<uint32_t>(a[2]), a[4] != 0, display->backBuffer, a[0], a[1]);
}

void drawText(int x, int y, int r, int g, int b, const char* text, int size, bool opaque)
{
    if (!display || !text) return;
    DrawCall call;
    call.draw = drawTextCall;
    call.args[0] = x, call.args[1] = y, call.args[2] = static_cast<int>(packRgb(r, g, b));
    call.args[3] = fontIndexForSize(size), call.args[4] = opaque;
    call.text = text;
    queueDrawing(std::move(call));
}

static TextOverflowHook overflowHook = nullptr;

void setTextOverflowHook(TextOverflowHook hook) { overflowHook = hook; }

void reportTextOverflow(const char* text, int x, int y, int width, int height)
{
    if (overflowHook) overflowHook(text, x, y, width, height);
}

static void drawTextInBoxCall(const DrawCall& call)
{
    [[maybe_unused]] const auto& [x, y, width, height, colour, leftAligned, cut, unused] = call.args;
    const char* text = call.text.c_str();
    if (!fontAvailable()) return;
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
    if (usedW > width || usedH > height) reportTextOverflow(text, x, y, width, height);
    int dx = leftAligned ? 0 : (width - usedW) / 2;
    int dy = (height - usedH) / 2;
    if (cut)
        fontDrawClipped(used, text, static_cast<uint32_t>(colour), false, display->backBuffer, x + dx, y + dy, x, y,
                        x + width, y + height);
    else
        fontDraw(used, text, static_cast<uint32_t>(colour), false, display->backBuffer, x + dx, y + dy);
}

static void queueTextInBox(int x, int y, int width, int height, int r, int g, int b, const char* text,
                           bool leftAligned, bool cut)
{
    if (!display || !text) return;
    DrawCall call;
    call.draw = drawTextInBoxCall;
    call.args[0] = x, call.args[1] = y, call.args[2] = width, call.args[3] = height;
    call.args[4] = static_cast<int>(packRgb(r, g, b)), call.args[5] = leftAligned, call.args[6] = cut;
    call.text = text;
    queueDrawing(std::move(call));
}

void drawTextInBox(int x, int y, int width, int height, int r, int g, int b, const char* text, bool leftAligned)
{
    queueTextInBox(x, y, width, height, r, g, b, text, leftAligned, false);
}

void drawTextCutToBox(int x, int y, int width, int height, int r, int g, int b, const char* text, bool leftAligned)
{
    queueTextInBox(x, y, width, height, r, g, b, text, leftAligned, true);
}
