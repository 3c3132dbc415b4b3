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
        if (added) lines.push_back(Line{double(a), double(b), double(c), {}});
        e.line = at->second;
        lines[at->second].members.push_back(static_cast<int>(k));
    }
    return lines;
}

// Two links cross exactly when each has its ends strictly on both sides of
// the other's line.
bool straddles(const LinkEntry& e, const Line& l) { return side(l, e.ax, e.ay) * side(l, e.bx, e.by) < 0; }

// Whether an entry present at entry k's turn crosses it: the earlier entries
// that were kept, and every later one (still linked until its own turn).
struct CrossingSearch {
    const std::vector<LinkEntry>& entries;
    const std::vector<Line>& lines;
    std::vector<int> kept; // earlier entries kept, each on a line
    // Links on one line never cross each other, and many links of a crowded
    // map share a line; what may cross them is found once per line: the
    // entries with ends strictly on both sides of it.
    static constexpr size_t sharedLine = 16;
    std::vector<std::vector<int>> straddlers;
    std::vector<char> straddlersFound;

    CrossingSearch(const std::vector<LinkEntry>& e, const std::vector<Line>& l)
        : entries(e), lines(l), straddlers(l.size()), straddlersFound(l.size(), 0)
    {
    }

    const std::vector<int>& straddlersOf(int line)
    {
        if (!straddlersFound[line]) {
            straddlersFound[line] = 1;
            for (size_t t = 0; t < entries.size(); ++t)
                if (entries[t].line >= 0 && straddles(entries[t], lines[line])) straddlers[line].push_back(static_cast<int>(t));
        }
        return straddlers[line];
    }

    bool crosses(const LinkEntry& e, const LinkEntry& t) const
    {
        return t.line >= 0 && straddles(e, lines[t.line]) && straddles(t, lines[e.line]);
    }

    bool crossed(size_t k)
    {
        const LinkEntry& e = entries[k];
        if (e.line < 0) return false; // a point crosses nothing
        if (lines[e.line].members.size() >= sharedLine) {
            for (int t : straddlersOf(e.line))
                if (entries[t].present && straddles(e, lines[entries[t].line])) return true;
            return false;
        }
        // The next entries share a star with e or lie close to it, so a link
        // that e crosses is mostly met soon among them.
        for (size_t t = k + 1; t < entries.size(); ++t)
            if (crosses(e, entries[t])) return true;
        for (int t : kept)
            if (crosses(e, entries[t])) return true;
        return false;
    }
};

// The model's own crossing test, for coordinates too large for the lines.
bool crossedByAny(const LinkEntry& e, const std::vector<LinkEntry>& entries, const std::vector<Star>& stars)
{
    for (const LinkEntry& t : entries)
        if (t.present && segmentsCross(stars[e.i], stars[e.j], stars[t.i], stars[t.j])) return true;
    return false;
}

// Re-links every entry in row order as unlink-then-link would: a link is
// kept when no entry present at its turn (the later ones and the earlier
// survivors) crosses it. Testing against the list of entries instead of the
// whole matrix for every link gives the same drops in far fewer steps.
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
    const std::vector<Line> lines = exact ? groupByLine(entries) : std::vector<Line>{};
    CrossingSearch search(entries, lines);
    for (size_t k = 0; k < entries.size(); ++k) {
        LinkEntry& e = entries[k];
        const size_t ij = static_cast<size_t>(e.i) * n + e.j;
        const size_t ji = static_cast<size_t>(e.j) * n + e.i;
        links[ij] = 0;
        links[ji] = 0;
        e.present = false;
        if (!galaxy.layoutStars[e.i].active || !galaxy.layoutStars[e.j].active) continue;
        if (exact ? search.crossed(k) : crossedByAny(e, entries, galaxy.layoutStars)) continue;
        links[ij] = 1;
        links[ji] = 1;
        e.present = true;
        if (e.line >= 0) search.kept.push_back(static_cast<int>(k));
    }
}

} // namespace

void validateLayout(Galaxy& galaxy)
{
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
}
