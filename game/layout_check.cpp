#include "game/layout_check.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// One matrix entry (i, j) with i <= j, with its end points as the crossing
// test reads them.
struct LinkEntry {
    int i, j;
    double ax, ay, bx, by;
    double minX, maxX, minY, maxY;
    bool present;
};

double orientation(double ax, double ay, double bx, double by, double cx, double cy)
{
    return ax * by - ay * bx + (bx * cy - by * cx) + (ay * cx - ax * cy);
}

// The model's crossing test, term for term, so both give the same answer on
// the same doubles.
bool crosses(const LinkEntry& s, const LinkEntry& t)
{
    if (orientation(s.ax, s.ay, s.bx, s.by, t.ax, t.ay) * orientation(s.ax, s.ay, s.bx, s.by, t.bx, t.by) >= 0)
        return false;
    return orientation(t.ax, t.ay, t.bx, t.by, s.ax, s.ay) * orientation(t.ax, t.ay, t.bx, t.by, s.bx, s.by) < 0;
}

bool boxesApart(const LinkEntry& s, const LinkEntry& t)
{
    return s.maxX < t.minX || t.maxX < s.minX || s.maxY < t.minY || t.maxY < s.minY;
}

// Re-links every entry in row order as unlink-then-link would: a link is
// kept when no entry present at its turn (the later ones and the earlier
// survivors) crosses it. Walking the list of entries instead of the whole
// matrix for every link gives the same drops in far fewer steps.
void retestLinks(Galaxy& galaxy)
{
    const int n = galaxy.slotCount();
    std::vector<int>& links = galaxy.links;
    std::vector<LinkEntry> entries;
    // Below this size every orientation is an exact integer in a double, so
    // two links whose boxes are apart cannot cross and need no test.
    constexpr double exactLimit = 1 << 20;
    bool exact = true;
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < n; ++j) {
            if (links[static_cast<size_t>(i) * n + j] == 0) continue;
            const Star& a = galaxy.layoutStars[i];
            const Star& b = galaxy.layoutStars[j];
            LinkEntry e{i, j, double(a.x), double(a.y), double(b.x), double(b.y), 0, 0, 0, 0, true};
            e.minX = std::min(e.ax, e.bx), e.maxX = std::max(e.ax, e.bx);
            e.minY = std::min(e.ay, e.by), e.maxY = std::max(e.ay, e.by);
            exact = exact && std::fabs(e.minX) <= exactLimit && std::fabs(e.maxX) <= exactLimit &&
                    std::fabs(e.minY) <= exactLimit && std::fabs(e.maxY) <= exactLimit;
            entries.push_back(e);
        }
    }
    for (LinkEntry& e : entries) {
        const size_t ij = static_cast<size_t>(e.i) * n + e.j;
        const size_t ji = static_cast<size_t>(e.j) * n + e.i;
        links[ij] = 0;
        links[ji] = 0;
        e.present = false;
        if (!galaxy.layoutStars[e.i].active || !galaxy.layoutStars[e.j].active) continue;
        bool blocked = false;
        for (const LinkEntry& other : entries) {
            if (!other.present || (exact && boxesApart(e, other))) continue;
            if (crosses(e, other)) {
                blocked = true;
                break;
            }
        }
        if (blocked) continue;
        links[ij] = 1;
        links[ji] = 1;
        e.present = true;
    }
}

} // namespace

void validateLayout(Galaxy& galaxy)
{
    const int selected = galaxy.selectedStar;
    const int n = galaxy.slotCount();
    if (galaxy.links.size() == static_cast<size_t>(n) * n) retestLinks(galaxy);
    for (int i = 0; i < n; ++i) {
        Star& s = galaxy.layoutStars[i];
        if (!s.active) continue;
        s.active = 0;
        const bool fits = galaxy.canPlaceStar(s);
        s.active = 1;
        if (!fits) {
            galaxy.unlinkAll(i);
            s.active = 0;
        }
    }
    galaxy.selectedStar = selected;
}
