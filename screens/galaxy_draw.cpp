// Drawing of stars, the galaxy preview and the game board through the engine facade.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/translate.h"
#include "engine/image_catalogue.h"
#include "game/galaxy.h"

namespace {

constexpr int linkR = 189, linkG = 13, linkB = 13;

// Positions come from files and may lie anywhere in the int range: keep every
// coordinate handed to the facade well away from overflow. Anything beyond the
// limit is far off the screen either way.
constexpr double coordinateLimit = 100000.0;

int toScreen(double v)
{
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -coordinateLimit, coordinateLimit));
}

void drawLinks(const Galaxy& g, const std::vector<Star>& stars, double scale)
{
    const size_t n = stars.size();
    if (g.links.size() != n * n) return;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i; j < n; ++j) {
            if (g.links[i * n + j] == 0) continue;
            // A line with an end off the screen is left out by drawLine.
            drawLine(toScreen(stars[i].x * scale), toScreen(stars[i].y * scale), toScreen(stars[j].x * scale),
                     toScreen(stars[j].y * scale), linkR, linkG, linkB);
        }
    }
}

} // namespace

void Star::drawScaled(double scale) const { drawImageCentered(toScreen(x * scale), toScreen(y * scale), kind); }

void Star::drawOnBoard() const
{
    if (owner >= 0 && owner < maxPlayers) {
        const int w = imageWidth(kind);
        const int h = imageHeight(kind);
        const Rgb& c = playerColours[owner];
        fillRect(toScreen(static_cast<double>(x) - w / 2), toScreen(static_cast<double>(y) - h / 2), w, h, c.r, c.g,
                 c.b);
    }
    drawImageCentered(toScreen(x), toScreen(y), kind);
}

void Star::drawLabel() const
{
    const int at = toScreen(x + 0.6 * imageWidth(kind));
    if (!label.empty()) {
        drawText(at, toScreen(y), 55, 255, 25, label.c_str(), 22, false);
    } else {
        char text[16];
        std::snprintf(text, sizeof text, "%d", armies);
        drawText(at, toScreen(y), 255, 255, 255, text, 14, false);
    }
}

void Galaxy::highlightStar(int index, int r, int g, int b) const
{
    if (index < 0 || index >= slotCount() || !layoutStars[index].active) return;
    const Star& s = layoutStars[index];
    const int w = imageWidth(s.kind);
    const int h = imageHeight(s.kind);
    tintRect(toScreen(static_cast<double>(s.x) - w / 2), toScreen(static_cast<double>(s.y) - h / 2), w, h, r, g, b);
}

void Galaxy::drawPreview(double scale) const
{
    drawLinks(*this, layoutStars, scale);
    for (const Star& s : layoutStars)
        if (s.active) s.drawScaled(scale);
    highlightStar(selectedStar, 0, 100, 0);
}

void Galaxy::drawBoard() const
{
    char text[64];
    const int level = std::clamp(difficulty, 0, static_cast<int>(difficultyNames.size()) - 1);
    std::snprintf(text, sizeof text, tr("turn %d (%s)"), turn, tr(difficultyNames[level]));
    drawText(10, 7, 255, 255, 255, text, 16, false);
    drawLinks(*this, gameStars, 1.0);
    for (const Star& s : gameStars)
        if (s.active) s.drawOnBoard();
    for (const Star& s : gameStars)
        if (s.active) s.drawLabel();
    highlightStar(selectedStar, 0, 100, 0);
}
