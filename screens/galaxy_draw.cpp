#include "screens/galaxy_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/translate.h"
#include "screens/marks.h"

BoardView boardView;

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

void drawLabel(const Star& star, const std::string& label)
{
    const int at = toScreen(star.x + 0.6 * imageWidth(star.kind));
    if (!label.empty()) {
        drawText(at, toScreen(star.y), 55, 255, 25, label.c_str(), 22, false);
    } else {
        char text[16];
        std::snprintf(text, sizeof text, "%d", star.armies);
        drawText(at, toScreen(star.y), 255, 255, 255, text, 14, false);
    }
}

} // namespace

void drawStarScaled(const Star& star, double scale)
{
    drawImageCentered(toScreen(star.x * scale), toScreen(star.y * scale), star.kind);
}

void drawStarOnBoard(const Star& star)
{
    if (star.owner >= 0 && star.owner < maxPlayers) {
        const int w = imageWidth(star.kind);
        const int h = imageHeight(star.kind);
        const Rgb& c = playerColours[star.owner];
        fillRect(toScreen(static_cast<double>(star.x) - w / 2), toScreen(static_cast<double>(star.y) - h / 2), w, h,
                 c.r, c.g, c.b);
    }
    drawImageCentered(toScreen(star.x), toScreen(star.y), star.kind);
    // On the box's top-left corner, half outside it: the star's picture and
    // its army count to the right stay in view.
    if (showMarks && star.owner >= 0 && star.owner < maxPlayers)
        drawPlayerMark(star.owner, toScreen(star.x - imageWidth(star.kind) / 2.0 - 3),
                       toScreen(star.y - imageHeight(star.kind) / 2.0 - 3), boardMarkSize);
}

void highlightStar(const Galaxy& galaxy, int index, int r, int g, int b)
{
    if (index < 0 || index >= galaxy.slotCount() || !galaxy.layoutStars[index].active) return;
    const Star& s = galaxy.layoutStars[index];
    const int w = imageWidth(s.kind);
    const int h = imageHeight(s.kind);
    tintRect(toScreen(static_cast<double>(s.x) - w / 2), toScreen(static_cast<double>(s.y) - h / 2), w, h, r, g, b);
}

void drawPreview(const Galaxy& galaxy, double scale, int selected)
{
    drawLinks(galaxy, galaxy.layoutStars, scale);
    for (const Star& s : galaxy.layoutStars)
        if (s.active) drawStarScaled(s, scale);
    highlightStar(galaxy, selected, 0, 100, 0);
}

void drawBoard(const GameState& state, const BoardView& view)
{
    const Galaxy& g = state.galaxy;
    char text[64];
    const int level = std::clamp(state.difficulty, 0, static_cast<int>(difficultyNames.size()) - 1);
    std::snprintf(text, sizeof text, tr("turn %d (%s)"), g.turn, tr(difficultyNames[level]));
    drawText(10, 7, 255, 255, 255, text, 16, false);
    drawLinks(g, g.gameStars, 1.0);
    for (const Star& s : g.gameStars)
        if (s.active) drawStarOnBoard(s);
    const std::vector<std::string>& labels = state.computerTurns.labels;
    static const std::string none;
    for (size_t i = 0; i < g.gameStars.size(); ++i) {
        if (!g.gameStars[i].active) continue;
        const bool battle = view.labelledStar == static_cast<int>(i) && !view.label.empty();
        drawLabel(g.gameStars[i], battle ? view.label : i < labels.size() ? labels[i] : none);
    }
    highlightStar(g, view.selectedStar, 0, 100, 0);
}
