#include "game/galaxy.h"

#include <cstdint>

Galaxy previewGalaxy;
Galaxy editorGalaxy;

const std::array<Rgb, maxPlayers> playerColours = {{
    {2, 202, 40},
    {104, 141, 248},
    {128, 8, 98},
    {212, 84, 28},
    {9, 115, 104},
    {218, 253, 53},
    {141, 127, 7},
    {244, 127, 243},
}};
const std::array<const char*, maxPlayers> playerColourNames = {
    "green", "blue", "purple", "red", "dark green", "yellow", "brown", "light purple"};

const std::array<const char*, 5> difficultyNames = {"simple", "easy", "normal", "hard", "impossible"};
const std::array<double, 5> humanIncomeFactor = {2.0, 1.5, 1.0, 0.75, 0.5};

int starImageWidth(const std::string& kind)
{
    if (kind == normalStarKind) return 23;
    if (kind == goldenStarKind) return 33;
    if (kind == darkStarKind) return 50;
    return 0;
}

int starImageHeight(const std::string& kind)
{
    if (kind == normalStarKind) return 24;
    if (kind == goldenStarKind) return 32;
    if (kind == darkStarKind) return 49;
    return 0;
}

int starIncome(const Star& star)
{
    if (!star.active) return 0;
    if (star.kind == normalStarKind) return 1;
    if (star.kind == goldenStarKind) return 3;
    if (star.kind == darkStarKind) return 7;
    return 0;
}

int starWeight(const Star& star)
{
    switch (starIncome(star)) {
    case 1: return 1;
    case 3: return 9;
    case 7: return 30;
    default: return 0;
    }
}

Galaxy::Galaxy() { reset(); }

void Galaxy::reset()
{
    name = "TEST";
    playerCount = 2;
    turn = 0;
    lastConquestTurn = 0;
    layoutStars.assign(maxStars, Star{});
    gameStars.assign(maxStars, Star{});
    links.assign(static_cast<size_t>(maxStars) * maxStars, 0);
}

int Galaxy::starAt(double x, double y, double rx, double ry) const
{
    if (y > controlStripY) return noOwner;
    for (size_t i = 0; i < layoutStars.size(); ++i) {
        const Star& s = layoutStars[i];
        if (!s.active) continue;
        // In doubles: positions read from a file may be near the int limits.
        const double hw = starImageWidth(s.kind) / 2;
        const double hh = starImageHeight(s.kind) / 2;
        if (s.x - hw <= x + rx && x - rx <= s.x + hw && s.y - hh <= y + ry && y - ry <= s.y + hh)
            return static_cast<int>(i);
    }
    return noOwner;
}

bool Galaxy::canPlaceStar(const Star& star) const
{
    const int hw = starImageWidth(star.kind) / 2;
    const int hh = starImageHeight(star.kind) / 2;
    if (starAt(star.x, star.y, hw, hh) != noOwner) return false;
    const int64_t x = star.x;
    const int64_t y = star.y;
    return x - hw >= 0 && y - hh >= 0 && x + hw < boardWidth && y + hh < boardBottom;
}

void Galaxy::addStar(const Star& star)
{
    if (!canPlaceStar(star)) return;
    for (Star& slot : layoutStars) {
        if (!slot.active) {
            slot = star;
            return;
        }
    }
}

void Galaxy::removeStar(int index)
{
    if (index < 0 || index >= slotCount() || !layoutStars[index].active) return;
    unlinkAll(index);
    layoutStars[index].active = 0;
}

void Galaxy::unlinkAll(int index)
{
    if (index < 0 || index >= slotCount() || !layoutStars[index].active) return;
    for (int j = 0; j < slotCount(); ++j) {
        setLink(index, j, 0);
        setLink(j, index, 0);
    }
}

namespace {

// Twice the signed area of the triangle a, b, c.
double orientation(double ax, double ay, double bx, double by, double cx, double cy)
{
    return ax * by - ay * bx + (bx * cy - by * cx) + (ay * cx - ax * cy);
}

} // namespace

bool segmentsCross(const Star& a, const Star& b, const Star& c, const Star& d)
{
    if (orientation(a.x, a.y, b.x, b.y, c.x, c.y) * orientation(a.x, a.y, b.x, b.y, d.x, d.y) >= 0)
        return false;
    return orientation(c.x, c.y, d.x, d.y, a.x, a.y) * orientation(c.x, c.y, d.x, d.y, b.x, b.y) < 0;
}

void Galaxy::setLink(int i, int j, int v)
{
    const int n = slotCount();
    if (i < 0 || j < 0 || i >= n || j >= n || links.size() != static_cast<size_t>(n) * n) return;
    const size_t ij = static_cast<size_t>(i) * n + j;
    const size_t ji = static_cast<size_t>(j) * n + i;
    if (v == 0) {
        links[ij] = 0;
        links[ji] = 0;
        return;
    }
    if (!layoutStars[i].active || !layoutStars[j].active) return;
    for (int k = 0; k < n; ++k) {
        for (int l = k; l < n; ++l) {
            if (links[static_cast<size_t>(k) * n + l] == 0) continue;
            if (segmentsCross(layoutStars[i], layoutStars[j], layoutStars[k], layoutStars[l])) return;
        }
    }
    links[ij] = v;
    links[ji] = v;
}

int Galaxy::isLinked(int i, int j) const
{
    const int n = slotCount();
    if (i < 0 || j < 0 || i >= n || j >= n) return 0;
    const size_t at = static_cast<size_t>(i) * n + j;
    return at < links.size() ? links[at] : 0;
}
