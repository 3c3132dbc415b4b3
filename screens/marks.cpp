#include "screens/marks.h"

#include <cmath>

#include "engine/draw_text.h"
#include "engine/volume_file.h"
#include "game/galaxy.h"

bool showMarks = false;

static constexpr const char* marksFile = "marks.lst";

void loadMarksOption() { showMarks = readVolumeFile(marksFile) == 1; }

void setMarksOption(bool on)
{
    showMarks = on;
    writeVolumeFile(marksFile, on ? 1 : 0);
}

namespace {

// Whether the shape covers the point u, v of the square -1 .. 1, v downwards.
// Eight shapes with different outlines, so that they differ even when small.
bool covers(int player, double u, double v)
{
    const double au = std::fabs(u), av = std::fabs(v), r2 = u * u + v * v;
    switch (player) {
    case 0: return r2 <= 1.0;                         // disc
    case 1: return au <= 0.8 && av <= 0.8;            // square
    case 2: return au <= (v + 1.0) / 2.0 + 0.1;       // triangle, point up
    case 3: return au + av <= 1.05;                   // diamond
    case 4: return au <= 0.3 || av <= 0.3;            // plus
    case 5: return std::fabs(au - av) <= 0.35;        // saltire
    case 6: return r2 <= 1.0 && r2 >= 0.3;            // ring
    case 7: return av <= 0.4;                         // bar
    default: return false;
    }
}

// Runs of set cells, drawn row by row as lines (both ends drawn).
void drawRuns(const std::vector<bool>& mask, int side, int x, int y, int r, int g, int b)
{
    for (int row = 0; row < side; ++row) {
        for (int col = 0; col < side;) {
            if (!mask[row * side + col]) {
                ++col;
                continue;
            }
            int end = col;
            while (end + 1 < side && mask[row * side + end + 1]) ++end;
            drawLine(x + col, y + row, x + end, y + row, r, g, b);
            col = end + 1;
        }
    }
}

} // namespace

std::vector<bool> markMask(int player, int size)
{
    std::vector<bool> mask(static_cast<size_t>(size > 0 ? size * size : 0));
    for (int row = 0; row < size; ++row)
        for (int col = 0; col < size; ++col)
            mask[row * size + col] = covers(player, (2.0 * col + 1) / size - 1, (2.0 * row + 1) / size - 1);
    return mask;
}

void drawPlayerMark(int player, int x, int y, int size)
{
    if (player < 0 || player >= maxPlayers || size < 1 || size > 64) return;
    const std::vector<bool> shape = markMask(player, size);
    // The rim: the shape grown by one pixel in every direction.
    const int side = size + 2;
    std::vector<bool> rim(static_cast<size_t>(side * side));
    for (int row = 0; row < size; ++row)
        for (int col = 0; col < size; ++col)
            if (shape[row * size + col])
                for (int dy = 0; dy < 3; ++dy)
                    for (int dx = 0; dx < 3; ++dx) rim[(row + dy) * side + col + dx] = true;
    drawRuns(rim, side, x - 1, y - 1, 0, 0, 0);
    drawRuns(shape, size, x, y, 255, 255, 255);
}
