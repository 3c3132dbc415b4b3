#include "ai/planning.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

#include "game/rules.h"

// The planner walks the link graph many times per decision (twice per
// attackable star), so the walks use neighbour lists built once per public
// call instead of scanning whole matrix rows. The lists keep index order, so
// every walk visits stars in exactly the order a row scan would.

namespace {

// The region walk's marks and lists, shared by the walks of one call.
struct RegionScratch {
    std::vector<char> visited;
    std::vector<char> regionMark;
    // Star indices in the order the walk found them.
    std::vector<int> interiorList;
    std::vector<int> frontierList;
};
RegionScratch scratch;

struct Neighbours {
    // Stars j with entry (j, s) set: start[s] .. start[s + 1] in list.
    std::vector<int> inStart, inList;
    // Stars j with entry (s, j) set.
    std::vector<int> outStart, outList;
};
Neighbours graph;

void buildNeighbours(const Galaxy& g)
{
    const int n = static_cast<int>(g.gameStars.size());
    const bool full = g.links.size() >= static_cast<size_t>(n) * static_cast<size_t>(n);
    auto linked = [&](int i, int j) { return full && g.links[static_cast<size_t>(i) * n + j] != 0; };
    graph.inStart.assign(n + 1, 0);
    graph.outStart.assign(n + 1, 0);
    graph.inList.clear();
    graph.outList.clear();
    for (int s = 0; s < n; ++s) {
        graph.inStart[s] = static_cast<int>(graph.inList.size());
        graph.outStart[s] = static_cast<int>(graph.outList.size());
        for (int j = 0; j < n; ++j) {
            if (linked(j, s)) graph.inList.push_back(j);
            if (linked(s, j)) graph.outList.push_back(j);
        }
    }
    graph.inStart[n] = static_cast<int>(graph.inList.size());
    graph.outStart[n] = static_cast<int>(graph.outList.size());
}

// The neighbour lists of the galaxy, and a value and a need for every star.
void prepare(GameState& st)
{
    buildNeighbours(st.galaxy);
    const size_t n = st.galaxy.gameStars.size();
    if (st.ai.value.size() != n) st.ai.value.resize(n, 0.0);
    if (st.ai.need.size() != n) st.ai.need.resize(n, 0.0);
}

template <typename F>
bool anyInNeighbour(int s, F test)
{
    for (int k = graph.inStart[s]; k < graph.inStart[s + 1]; ++k)
        if (test(graph.inList[k])) return true;
    return false;
}

int slotCount(const Galaxy& g) { return static_cast<int>(g.gameStars.size()); }
bool interior(const Galaxy& g, int s)
{
    const int owner = g.gameStars[s].owner;
    return !anyInNeighbour(s, [&](int j) { return g.gameStars[j].owner != owner; });
}

int frontierCount(const Galaxy& g, int p)
{
    int count = 0;
    for (int s = 0; s < slotCount(g); ++s)
        if (g.gameStars[s].owner == p && !interior(g, s)) ++count;
    return count;
}

bool attackable(const Galaxy& g, int i, int p)
{
    if (g.gameStars[i].owner == p) return false;
    return anyInNeighbour(i, [&](int j) { return g.gameStars[j].owner == p; });
}

void flood(int s, const Galaxy& g)
{
    if (scratch.visited[s]) return;
    scratch.regionMark[s] = 1;
    scratch.visited[s] = 1;
    if (!interior(g, s)) {
        scratch.frontierList.push_back(s);
        return;
    }
    scratch.interiorList.push_back(s);
    const int owner = g.gameStars[s].owner;
    for (int k = graph.inStart[s]; k < graph.inStart[s + 1]; ++k) {
        const int j = graph.inList[k];
        if (g.gameStars[j].owner == owner) flood(j, g);
    }
}

void starValues(GameState& st)
{
    const Galaxy& g = st.galaxy;
    const int n = slotCount(g);
    const std::vector<Star>& stars = g.gameStars;
    std::vector<double>& value = st.ai.value;
    scratch.regionMark.assign(n, 0);
    for (int i = 0; i < n; ++i) value[i] = starIncome(stars[i]);
    for (int i = 0; i < n; ++i) {
        if (scratch.regionMark[i]) continue;
        scratch.visited.assign(n, 0);
        if (!interior(g, i)) continue;
        scratch.interiorList.clear();
        scratch.frontierList.clear();
        flood(i, g);
        double sum = 0.0;
        for (int a : scratch.interiorList) {
            sum += value[a];
            if (starIncome(stars[a]) == 1) value[a] = 0.0;
        }
        sum = sum * sum;
        const size_t m = scratch.frontierList.size();
        for (int b : scratch.frontierList) {
            if (m == 1) {
                value[b] += sum;
                value[b] *= 1.5;
            } else {
                value[b] += 1.0;
            }
        }
        if (m == 1)
            for (int a : scratch.interiorList) value[a] = 0.0;
    }
    for (int i = 0; i < n; ++i) {
        const int w = starWeight(stars[i]);
        double& v = value[i];
        if (w > 1 && v > 0.01 && v < w) {
            v = w;
            if (!scratch.regionMark[i]) v = std::sqrt(v);
        }
        if (!scratch.regionMark[i]) v = v * v;
    }
}

// Needs from the values already in the memory.
int defenceNeeds(GameState& st, int p)
{
    const Galaxy& g = st.galaxy;
    const std::vector<Star>& stars = g.gameStars;
    const std::vector<double>& value = st.ai.value;
    std::vector<double>& need = st.ai.need;
    const int n = slotCount(g);
    double ownUnits = 0.0, enemyValue = 0.0, enemyUnits = 0.0, enemyIncome = 0.0;
    int enemyStars = 0;
    for (int i = 0; i < n; ++i) {
        const Star& s = stars[i];
        if (!s.active) continue;
        if (s.owner == p) {
            ownUnits += s.armies + 1.0;
        } else {
            ++enemyStars;
            enemyValue += value[i];
            enemyUnits += s.armies + 1.0;
            enemyIncome += starIncome(s);
        }
    }
    if (enemyStars == 0) {
        for (int i = 0; i < n; ++i)
            if (stars[i].active && stars[i].owner == p) need[i] = 0.0;
        return 0;
    }
    if (enemyUnits < 1) enemyUnits = 1;
    const double enemyStrength = enemyUnits + enemyIncome;
    const double ratio = enemyValue != 0.0 ? enemyStrength / enemyValue : enemyStrength;
    const double caution = g.players[p].caution;
    const double restraint = caution > 0.0 ? 1.0 / caution : 1.0;
    int total = 0;
    for (int i = 0; i < n; ++i) {
        if (!stars[i].active || stars[i].owner != p) continue;
        double& sn = need[i];
        sn = 0.0;
        if (value[i] >= 0.2) sn = ratio * value[i] * restraint;
        if (enemyStrength * 1.25 < ownUnits) sn *= 0.1;
        if (enemyStrength * 3.0 < ownUnits) sn *= 0.1;
        total = truncToInt(total + sn);
    }
    return total;
}

int bestSource(const GameState& st, int target, int p)
{
    const Galaxy& g = st.galaxy;
    int best = noOwner;
    int bestMargin = -1000000;
    for (int k = graph.outStart[target]; k < graph.outStart[target + 1]; ++k) {
        const Star& s = g.gameStars[graph.outList[k]];
        if (!s.active || s.owner != p) continue;
        const int margin = truncToInt(s.armies - st.ai.need[graph.outList[k]]);
        if (margin > bestMargin) {
            bestMargin = margin;
            best = graph.outList[k];
        }
    }
    return best;
}

int adjustment(const Galaxy& g, int src, int srcNeed, int target)
{
    if (!interior(g, src)) return 0;
    scratch.visited.assign(slotCount(g), 0);
    scratch.regionMark.resize(slotCount(g), 0);
    scratch.frontierList.clear();
    scratch.interiorList.clear();
    flood(src, g);
    if (scratch.frontierList.size() <= 1) return 0;
    int minArmies = 100000;
    for (int b : scratch.frontierList)
        if (b != target && g.gameStars[b].armies < minArmies) minArmies = g.gameStars[b].armies;
    return srcNeed - minArmies;
}

double ownerFactor(const GameState& st, int p, int q, double avg)
{
    const double min = st.galaxy.minimumIncome;
    const int incomeP = income(st, p);
    const int incomeQ = income(st, q);
    const int armiesQ = st.galaxy.armiesOf(q);
    double f = 1.0;
    if (incomeQ < 3) f = 0.3;
    if (incomeP > min) f = 1.0;
    if (incomeP > min + 1.3) f = 2.0;
    if (incomeQ > min * 1.3) f = 1.5;
    if (incomeQ > min * 1.5) f = 2.0;
    if (incomeQ > min * 2) f = 4.0;
    if (armiesQ > avg * 1.3) f *= 1.5;
    if (armiesQ > avg * 1.5) f *= 2;
    if (armiesQ > avg * 2) f *= 4;
    if (armiesQ > avg * 3) f *= 6;
    return f;
}

void plan(GameState& st, int p, int extra)
{
    Galaxy& g = st.galaxy;
    std::vector<AttackCandidate>& candidates = st.ai.attackCandidates;
    const std::vector<double>& value = st.ai.value;
    const std::vector<double>& need = st.ai.need;
    candidates.clear();
    if (income(st, p) == 0) return;
    std::vector<Star>& stars = g.gameStars;
    const int n = slotCount(g);
    const StrengthMode mode = assessStrength(p, stars);
    if (mode == StrengthMode::Finishing) {
        for (int i = 0; i < n; ++i) {
            if (!attackable(g, i, p)) continue;
            for (int k = graph.outStart[i]; k < graph.outStart[i + 1]; ++k) {
                const Star& s = stars[graph.outList[k]];
                if (s.active && s.owner == p && s.armies > 0) {
                    candidates.push_back({1000000.0, graph.outList[k], {i}, s.armies});
                    return;
                }
            }
        }
    }

    double totalArmies = 0.0;
    for (const Star& s : stars)
        if (s.active) totalArmies += s.armies;
    int withIncome = 0;
    for (int q = 0; q < g.playerCount; ++q)
        if (income(st, q) > 0) ++withIncome;
    const double avg = withIncome > 0 ? totalArmies / withIncome : totalArmies;
    std::vector<double> factor(g.playerCount > 0 ? g.playerCount : 0);
    for (int q = 0; q < g.playerCount; ++q) factor[q] = ownerFactor(st, p, q, avg);

    for (int i = 0; i < n; ++i) {
        if (!attackable(g, i, p)) continue;
        const int targetOwner = stars[i].owner;
        const bool knownOwner = targetOwner >= 0 && targetOwner < g.playerCount;
        double score = (starWeight(stars[i]) + value[i]) * (knownOwner ? factor[targetOwner] : 1.0);
        const int frontierBefore = frontierCount(g, p);
        // computeDefenceNeeds starts with the values; computing them twice
        // in a row gives the same numbers, so once is enough.
        starValues(st);
        defenceNeeds(st, p);
        const int src = bestSource(st, i, p);
        if (src == noOwner) continue;  // only with an asymmetric link matrix
        const int srcNeed = truncToInt(need[src]);

        stars[i].owner = p;
        const int frontierAfter = frontierCount(g, p);
        starValues(st);
        defenceNeeds(st, p);
        int margin = truncToInt(extra - need[i] - need[src] + stars[src].armies) - (stars[i].armies - 1);
        int available = truncToInt((extra + stars[src].armies) - need[src]);
        const int adj = adjustment(g, src, srcNeed, i);
        available -= adj;
        margin -= adj;
        stars[i].owner = targetOwner;

        if (frontierAfter > frontierBefore)
            score *= 0.8;
        else if (frontierAfter == frontierBefore)
            score *= 1.3;
        else
            score *= (frontierBefore + 2 - frontierAfter);
        const int from = bestSource(st, i, p);
        if (available < 1) continue;
        if (margin > 0 || st.random.next(3) == 1 || mode == StrengthMode::Bold)
            candidates.push_back({score, from, {i}, available});
    }

    double bestScore = 0.0;
    int best = -1;
    for (size_t k = 0; k < candidates.size(); ++k) {
        if (candidates[k].score > bestScore) {
            bestScore = candidates[k].score;
            best = static_cast<int>(k);
        }
    }
    if (best > 0) candidates[0] = candidates[best];
}

}  // namespace

int truncToInt(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(x);
}

int roundHalfDown(double x)
{
    const double f = std::floor(x);
    return truncToInt(x - f > 0.5 ? f + 1.0 : f);
}

void computeStarValues(GameState& state)
{
    prepare(state);
    starValues(state);
}

int computeDefenceNeeds(GameState& state, int player)
{
    if (!state.galaxy.isPlayer(player)) return 0;
    computeStarValues(state);
    return defenceNeeds(state, player);
}

StrengthMode assessStrength(int player, const std::vector<Star>& stars)
{
    long long own = 0, other = 0, ownCount = 0, otherCount = 0;
    for (const Star& s : stars) {
        if (!s.active) continue;
        if (s.owner == player) {
            own += s.armies + 1LL;
            ++ownCount;
        } else {
            other += s.armies + 1LL;
            ++otherCount;
        }
    }
    if (otherCount == 1 || own > 2 * other) return StrengthMode::Finishing;
    if (own <= 3 * ownCount) return StrengthMode::Cautious;
    return StrengthMode::Bold;
}

void planAttack(GameState& state, int player, int extraArmies)
{
    state.ai.attackCandidates.clear();
    if (!state.galaxy.isPlayer(player)) return;
    prepare(state);
    plan(state, player, extraArmies);
}

void placeArmiesAI(GameState& state, int player)
{
    Galaxy& galaxy = state.galaxy;
    if (!galaxy.isPlayer(player)) return;
    std::vector<Star>& stars = galaxy.gameStars;
    const int n = slotCount(galaxy);
    prepare(state);
    std::vector<double>& value = state.ai.value;
    std::vector<std::string>& labels = state.computerTurns.labels;
    labels.resize(n);
    starValues(state);
    const int totalNeed = defenceNeeds(state, player);
    const int budget = placementAllowance(state, player);
    const int surplus = budget - totalNeed;
    const int toPlace = surplus > 0 ? totalNeed : budget;
    int remaining = toPlace;

    double ownArmies = 0.0, ownValue = 0.0;
    for (int k = 0; k < n; ++k) {
        if (stars[k].active && stars[k].owner == player) {
            ownArmies += stars[k].armies;
            ownValue += value[k];
        }
    }
    // An exact zero would make the ratio infinite (or NaN), which sheds no star.
    for (bool shed = ownValue != 0.0; shed;) {
        shed = false;
        const double ratio = (toPlace + ownArmies) / ownValue;
        for (int k = 0; k < n; ++k) {
            const Star& s = stars[k];
            if (s.active && s.owner == player && value[k] >= 0.01 && ratio * value[k] < s.armies) {
                ownValue -= value[k];
                value[k] = 0.0;
                ownArmies -= s.armies;
                shed = ownValue != 0.0;
                break;
            }
        }
    }
    if (ownValue < 0.01) ownValue = 0.01;
    const double ratio = (toPlace + ownArmies) / ownValue;

    int last = noOwner;
    for (int k = 0; k < n; ++k) {
        const Star& s = stars[k];
        if (s.active && s.owner == player && truncToInt(ratio * value[k] - s.armies) > 0) last = k;
    }
    for (int k = 0; k < n && remaining != 0; ++k) {
        Star& s = stars[k];
        if (!s.active || s.owner != player || value[k] < 0.01) continue;
        int add = roundHalfDown(ratio * value[k] - s.armies);
        if (add > remaining) add = remaining;
        if (k == last) add = remaining;
        if (add == 0) continue;
        labels[k] = std::to_string(s.armies) + "+" + std::to_string(add);
        s.armies += add;
        remaining -= add;
    }

    if (surplus > 0) {
        plan(state, player, surplus);
        starValues(state);
        if (!state.ai.attackCandidates.empty()) {
            const int from = state.ai.attackCandidates[0].from;
            if (galaxy.isGameStar(from)) {
                labels[from] += " + " + std::to_string(surplus);
                stars[from].armies += surplus;
            }
        }
    }
}

void chooseAttackAI(GameState& state, int player, int& from, int& to, int& armies)
{
    Galaxy& galaxy = state.galaxy;
    from = to = armies = noOwner;
    if (!galaxy.isPlayer(player)) return;
    prepare(state);
    starValues(state);
    defenceNeeds(state, player);
    plan(state, player, 0);
    if (state.ai.attackCandidates.empty()) return;
    const AttackCandidate& best = state.ai.attackCandidates[0];
    if (!galaxy.isGameStar(best.from) || best.targets.empty()) return;
    int send = best.armies;
    Star& source = galaxy.gameStars[best.from];
    if (send > source.armies) send = source.armies;
    if (send < 1) return;
    source.armies -= send;
    from = best.from;
    to = best.targets[0];
    armies = send;
}
