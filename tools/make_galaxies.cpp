// Writes the five standard galaxy files that ship beside the built-in one.
// Usage: make_galaxies <folder>   (the data folder's "galaxies" folder)
// Each design places its stars by a pattern, then links near neighbours
// shortest first (a link that would cross another is refused by the model),
// and only writes a galaxy that is connected and that the editor's tidy-up
// leaves unchanged.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/layout_check.h"

namespace {

struct Design {
    const char* name;
    int players;
    double maxLink;
    std::vector<Star> stars;
};

void put(Design& d, double x, double y, const char* kind)
{
    Star s;
    s.x = static_cast<int>(std::lround(x));
    s.y = static_cast<int>(std::lround(y));
    s.kind = kind;
    s.active = 1;
    d.stars.push_back(s);
}

const double pi = 3.14159265358979323846;

// A dark core, a ring of golden stars, and two rings of normal stars.
Design gravityCenter()
{
    Design d{"GRAVITY CENTER", 4, 130, {}};
    const double cx = 400, cy = 247;
    put(d, cx, cy, darkStarKind);
    for (int k = 0; k < 6; ++k) {
        const double a = 2 * pi * k / 6;
        put(d, cx + 105 * std::cos(a), cy + 85 * std::sin(a), goldenStarKind);
    }
    for (int k = 0; k < 12; ++k) {
        const double a = 2 * pi * (k + 0.5) / 12;
        put(d, cx + 215 * std::cos(a), cy + 160 * std::sin(a), normalStarKind);
    }
    for (int k = 0; k < 16; ++k) {
        const double a = 2 * pi * k / 16;
        put(d, cx + 350 * std::cos(a), cy + 222 * std::sin(a), normalStarKind);
    }
    return d;
}

// Two mirrored halves for a duel, joined by three bridges.
Design para()
{
    Design d{"PARA", 2, 120, {}};
    const int cols[] = {60, 150, 250};
    for (int side = 0; side < 2; ++side) {
        auto px = [side](double x) { return side == 0 ? x : 800 - 1 - x; };
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 5; ++r) {
                const double y = 50 + r * 95 + (c % 2) * 45;
                if (y > 470) continue;
                const char* kind = (c == 1 && r == 2) ? goldenStarKind : normalStarKind;
                put(d, px(cols[c]), y, kind);
            }
        put(d, px(340), 120, goldenStarKind);
        put(d, px(340), 380, goldenStarKind);
    }
    put(d, 399, 247, darkStarKind);
    return d;
}

// A walled town of straight roads: a grid with a dark forum in the middle and
// golden gates at the four corners.
Design roman()
{
    Design d{"ROMAN", 6, 125, {}};
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 5; ++r) {
            const double x = 70 + c * 94;
            const double y = 50 + r * 98;
            const bool corner = (c == 0 || c == 7) && (r == 0 || r == 4);
            const bool forum = (c == 3 || c == 4) && r == 2;
            if ((c == 3 || c == 4) && (r == 1 || r == 3)) continue; // the square around the forum
            put(d, x, y, forum ? darkStarKind : corner ? goldenStarKind : normalStarKind);
        }
    return d;
}

// Eight small colonies around a dark home world, each a golden star with
// three normal stars around it.
Design colony()
{
    Design d{"COLONY", 8, 115, {}};
    const double cx = 400, cy = 247;
    put(d, cx, cy, darkStarKind);
    for (int k = 0; k < 4; ++k) { // the home world's own outposts
        const double a = 2 * pi * k / 4 + pi / 4;
        put(d, cx + 95 * std::cos(a), cy + 75 * std::sin(a), normalStarKind);
    }
    for (int k = 0; k < 8; ++k) {
        const double a = 2 * pi * k / 8 + pi / 8;
        const double gx = cx + 300 * std::cos(a), gy = cy + 180 * std::sin(a);
        put(d, gx, gy, goldenStarKind);
        for (int m = 0; m < 3; ++m) {
            const double b = a + pi + (m - 1) * 0.9;
            double x = gx + 62 * std::cos(b), y = gy + 52 * std::sin(b);
            put(d, x, y, normalStarKind);
        }
    }
    return d;
}

// A door frame of normal stars, golden hinges, and a dark knob.
Design door()
{
    Design d{"DOOR", 3, 110, {}};
    const double left = 220, right = 580, top = 40, bottom = 460;
    for (int k = 0; k <= 5; ++k) {
        const double y = top + (bottom - top) * k / 5;
        put(d, left, y, (k == 1 || k == 4) ? goldenStarKind : normalStarKind);
        put(d, right, y, normalStarKind);
    }
    for (int k = 1; k < 4; ++k) put(d, left + (right - left) * k / 4, top, normalStarKind);
    for (int k = 1; k < 4; ++k) put(d, left + (right - left) * k / 4, bottom, normalStarKind);
    put(d, 500, 250, darkStarKind);
    put(d, 400, 160, normalStarKind);
    put(d, 400, 340, normalStarKind);
    // The threshold outside the door.
    for (int k = 0; k < 4; ++k) put(d, 70, 80 + k * 110, normalStarKind);
    for (int k = 0; k < 4; ++k) put(d, 730, 80 + k * 110, normalStarKind);
    return d;
}

double distanceToSegment(const Star& p, const Star& a, const Star& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Lowest slot reachable from star, as a component label.
int component(const Galaxy& g, int star)
{
    const int n = g.slotCount();
    std::vector<int> seen(n, 0), stack{star};
    seen[star] = 1;
    int lowest = star;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        lowest = std::min(lowest, i);
        for (int j = 0; j < n; ++j)
            if (!seen[j] && g.layoutStars[j].active && g.isLinked(i, j)) {
                seen[j] = 1;
                stack.push_back(j);
            }
    }
    return lowest;
}

bool connected(const Galaxy& g)
{
    const int n = g.slotCount();
    int first = -1, count = 0;
    for (int i = 0; i < n; ++i)
        if (g.layoutStars[i].active) {
            ++count;
            if (first < 0) first = i;
        }
    if (first < 0) return false;
    std::vector<int> seen(n, 0), stack{first};
    seen[first] = 1;
    int reached = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ++reached;
        for (int j = 0; j < n; ++j)
            if (!seen[j] && g.layoutStars[j].active && g.isLinked(i, j)) {
                seen[j] = 1;
                stack.push_back(j);
            }
    }
    return reached == count;
}

bool build(const Design& d, Galaxy& g)
{
    g.reset();
    g.playerCount = d.players;
    for (const Star& s : d.stars) g.addStar(s);
    const int n = static_cast<int>(d.stars.size());
    for (int i = 0; i < n; ++i)
        if (!g.layoutStars[i].active || g.layoutStars[i].x != d.stars[i].x) {
            std::fprintf(stderr, "%s: star %d does not fit\n", d.name, i);
            return false;
        }
    struct Pair {
        double length;
        int i, j;
    };
    std::vector<Pair> pairs;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            pairs.push_back({std::hypot(d.stars[i].x - d.stars[j].x, d.stars[i].y - d.stars[j].y), i, j});
    std::sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.length < b.length; });
    for (const Pair& p : pairs) {
        if (p.length > d.maxLink) break;
        bool grazes = false; // a link running through a third star reads badly
        for (int k = 0; k < n && !grazes; ++k)
            if (k != p.i && k != p.j) grazes = distanceToSegment(d.stars[k], d.stars[p.i], d.stars[p.j]) < 22;
        if (!grazes) g.setLink(p.i, p.j, 1);
    }
    // Then join what is still apart, shortest bridge first.
    for (const Pair& p : pairs) {
        if (connected(g)) break;
        if (component(g, p.i) == component(g, p.j)) continue;
        bool grazes = false;
        for (int k = 0; k < n && !grazes; ++k)
            if (k != p.i && k != p.j) grazes = distanceToSegment(d.stars[k], d.stars[p.i], d.stars[p.j]) < 22;
        if (!grazes) g.setLink(p.i, p.j, 1);
    }
    if (!connected(g)) {
        std::fprintf(stderr, "%s: not connected\n", d.name);
        return false;
    }
    Galaxy tidied = g;
    validateLayout(tidied);
    if (tidied.links != g.links) {
        std::fprintf(stderr, "%s: the tidy-up changes it\n", d.name);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_galaxies <galaxies folder>\n");
        return 2;
    }
    setGalaxyFolder(argv[1]);
    const Design designs[] = {gravityCenter(), para(), roman(), colony(), door()};
    int failures = 0;
    for (const Design& d : designs) {
        Galaxy g;
        if (!build(d, g) || !g.saveFile(d.name)) {
            ++failures;
            continue;
        }
        int links = 0;
        for (int v : g.links) links += v != 0;
        std::printf("%s: %zu stars, %d links, %d players\n", d.name, d.stars.size(), links / 2, d.players);
    }
    return failures == 0 ? 0 : 1;
}
