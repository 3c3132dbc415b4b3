#include "game/layout_check.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <numeric>
#include <tuple>
#include <vector>

namespace {

// One matrix entry (i, j) with i <= j, with its end points.
struct LinkEntry {
    int i, j;
    double ax, ay, bx, by;
    bool present;
    int line; // index into the lines, or -1 for a point (both ends in one place)
};

// The line a·x + b·y = c, with a and b coprime and a > 0 or a = 0 < b; its
// members are the entries that lie on it, in entry order.
struct Line {
    double a, b, c;
    std::vector<int> members;
    int present; // members still linked
};

// Where a point lies against a line: the sign says the side, 0 on it.
double side(const Line& l, double x, double y) { return l.a * x + l.b * y - l.c; }

// Below this size every orientation and every side is an exact integer in a
// double, so the geometry below answers as the model's test does.
constexpr double exactLimit = 1 << 20;

bool isExact(const std::vector<LinkEntry>& entries)
{
    for (const LinkEntry& e : entries)
        for (double v : {e.ax, e.ay, e.bx, e.by})
            if (v > exactLimit || v < -exactLimit) return false;
    return true;
}

// Groups the entries by the line they lie on.
std::vector<Line> groupByLine(std::vector<LinkEntry>& entries)
{
    std::map<std::tuple<int64_t, int64_t, int64_t>, int> index;
    std::vector<Line> lines;
    for (size_t k = 0; k < entries.size(); ++k) {
        LinkEntry& e = entries[k];
        int64_t a = static_cast<int64_t>(e.by) - static_cast<int64_t>(e.ay);
        int64_t b = static_cast<int64_t>(e.ax) - static_cast<int64_t>(e.bx);
        if (a == 0 && b == 0) continue;
        const int64_t g = std::gcd(std::llabs(a), std::llabs(b));
        a /= g, b /= g;
        if (a < 0 || (a == 0 && b < 0)) a = -a, b = -b;
        const int64_t c = a * static_cast<int64_t>(e.ax) + b * static_cast<int64_t>(e.ay);
        auto [at, added] = index.emplace(std::tuple(a, b, c), static_cast<int>(lines.size()));
        if (added) lines.push_back(Line{double(a), double(b), double(c), {}, 0});
        e.line = at->second;
        lines[at->second].members.push_back(static_cast<int>(k));
        ++lines[at->second].present;
    }
    return lines;
}

// Two links cross exactly when each has its ends strictly on both sides of
// the other's line. Whole lines whose sides e does not span are passed over,
// so links on one line (which never cross each other) cost nothing.
bool crossedOnLines(const LinkEntry& e, const std::vector<LinkEntry>& entries, const std::vector<Line>& lines)
{
    if (e.line < 0) return false;
    const Line& own = lines[e.line];
    for (const Line& l : lines) {
        if (l.present == 0 || side(l, e.ax, e.ay) * side(l, e.bx, e.by) >= 0) continue;
        for (int m : l.members) {
            const LinkEntry& t = entries[m];
            if (t.present && side(own, t.ax, t.ay) * side(own, t.bx, t.by) < 0) return true;
        }
    }
    return false;
}

// The model's own crossing test, for coordinates too large for the lines.
bool crossedByAny(const LinkEntry& e, const std::vector<LinkEntry>& entries, const std::vector<Star>& stars)
{
    for (const LinkEntry& t : entries)
        if (t.present && segmentsCross(stars[e.i], stars[e.j], stars[t.i], stars[t.j])) return true;
    return false;
}

// Re-links every entry in row order as unlink-then-link would: a link is
// kept when no entry present at its turn (the later ones and the earlier
// survivors) crosses it. Testing against the list of entries, by line,
// instead of the whole matrix for every link gives the same drops in far
// fewer steps.
void retestLinks(Galaxy& galaxy)
{
    const int n = galaxy.slotCount();
    std::vector<int>& links = galaxy.links;
    std::vector<LinkEntry> entries;
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < n; ++j) {
            if (links[static_cast<size_t>(i) * n + j] == 0) continue;
            const Star& a = galaxy.layoutStars[i];
            const Star& b = galaxy.layoutStars[j];
            entries.push_back(LinkEntry{i, j, double(a.x), double(a.y), double(b.x), double(b.y), true, -1});
        }
    }
    const bool exact = isExact(entries);
    std::vector<Line> lines = exact ? groupByLine(entries) : std::vector<Line>{};
    auto setPresent = [&lines](LinkEntry& e, bool on) {
        e.present = on;
        if (e.line >= 0) lines[e.line].present += on ? 1 : -1;
    };
    for (LinkEntry& e : entries) {
        const size_t ij = static_cast<size_t>(e.i) * n + e.j;
        const size_t ji = static_cast<size_t>(e.j) * n + e.i;
        links[ij] = 0;
        links[ji] = 0;
        setPresent(e, false);
        if (!galaxy.layoutStars[e.i].active || !galaxy.layoutStars[e.j].active) continue;
        if (exact ? crossedOnLines(e, entries, lines) : crossedByAny(e, entries, galaxy.layoutStars)) continue;
        links[ij] = 1;
        links[ji] = 1;
        setPresent(e, true);
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
