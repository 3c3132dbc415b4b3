#include "ai/expert_map.h"

#include <algorithm>
#include <array>

ExpertMap readMap(const GameState& state, int me)
{
    ExpertMap m;
    const Galaxy& g = state.galaxy;
    m.galaxy = &g;
    m.me = me;
    m.n = static_cast<int>(g.gameStars.size());
    m.reach.assign(m.n, {});
    m.from.assign(m.n, {});
    const bool full = g.links.size() >= static_cast<size_t>(m.n) * static_cast<size_t>(m.n);
    if (full) {
        for (int t = 0; t < m.n; ++t) {
            if (!inPlay(m, t)) continue;
            const int* row = g.links.data() + static_cast<size_t>(t) * m.n;
            for (int s = 0; s < m.n; ++s)
                if (row[s] != 0 && s != t && inPlay(m, s)) {
                    m.reach[s].push_back(t);
                    m.from[t].push_back(s);
                }
        }
    }
    m.incomeOf.assign(std::max(g.playerCount, 0), 0);
    for (int s = 0; s < m.n; ++s)
        if (inPlay(m, s) && g.gameStars[s].owner < static_cast<int>(m.incomeOf.size()))
            m.incomeOf[g.gameStars[s].owner] += starIncome(g.gameStars[s]);
    return m;
}

bool inPlay(const ExpertMap& m, int s)
{
    const Star& star = m.galaxy->gameStars[s];
    return star.active && star.owner >= 0 && star.owner < m.galaxy->playerCount;
}

bool mine(const ExpertMap& m, int s) { return inPlay(m, s) && m.galaxy->gameStars[s].owner == m.me; }

bool enemy(const ExpertMap& m, int s) { return inPlay(m, s) && m.galaxy->gameStars[s].owner != m.me; }

// Capped far below the int limit so that sums of a few stay exact.
int armiesAt(const ExpertMap& m, int s) { return std::clamp(m.galaxy->gameStars[s].armies, 0, 1 << 28); }

bool onFront(const ExpertMap& m, int s)
{
    const int owner = m.galaxy->gameStars[s].owner;
    for (int e : m.from[s])
        if (m.galaxy->gameStars[e].owner != owner) return true;
    for (int e : m.reach[s])
        if (m.galaxy->gameStars[e].owner != owner) return true;
    return false;
}

namespace {

constexpr int tableSize = 96;
using OddsTable = std::array<std::array<double, tableSize + 1>, tableSize + 1>;

// odds[l][d]: the chance with l lives against d defenders. Only halving and
// sums, so every machine computes the same numbers.
const OddsTable& odds()
{
    static const OddsTable table = [] {
        OddsTable t{};
        for (int l = 0; l <= tableSize; ++l)
            for (int d = 0; d <= tableSize; ++d) {
                if (d == 0)
                    t[l][d] = 1.0;
                else if (l == 0)
                    t[l][d] = 0.0;
                else
                    t[l][d] = 0.5 * t[l][d - 1] + 0.5 * t[l - 1][d];
            }
        return t;
    }();
    return table;
}

} // namespace

double winChance(int lives, int defenders)
{
    if (defenders <= 0) return 1.0;
    if (lives <= 0) return 0.0;
    long long l = lives, d = defenders;
    const long long most = std::max(l, d);
    if (most > tableSize) {
        // Scaled down the odds are less extreme than the real ones.
        l = l * tableSize / most;
        d = std::max(1LL, d * tableSize / most);
    }
    return odds()[static_cast<size_t>(l)][static_cast<size_t>(d)];
}
