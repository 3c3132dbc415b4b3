#include "ai/expert.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "ai/expert_lookahead.h"
#include "ai/expert_map.h"
#include "game/decide.h"
#include "game/rules.h"

namespace {

struct Mind {
    const GameState& state;
    const ExpertStyle& style;
    ExpertMap map;
    // Per enemy star, what taking it does to the front: own stars it leaves
    // with no enemy next to them count for, enemy stars it faces against.
    std::vector<double> shape;
};

// Whether s faces an enemy star other than except.
bool facesEnemy(const ExpertMap& map, int s, int except)
{
    const int owner = map.galaxy->gameStars[s].owner;
    for (int e : map.from[s])
        if (e != except && map.galaxy->gameStars[e].owner != owner) return true;
    for (int e : map.reach[s])
        if (e != except && map.galaxy->gameStars[e].owner != owner) return true;
    return false;
}

std::vector<double> frontShape(const ExpertMap& map, const ExpertStyle& style)
{
    std::vector<double> shape(map.n, 0.0);
    if (style.closedBonus == 0.0 && style.exposedPenalty == 0.0) return shape;
    for (int t = 0; t < map.n; ++t) {
        if (!enemy(map, t)) continue;
        int closed = 0, exposed = 0;
        std::vector<int> near = map.from[t];
        near.insert(near.end(), map.reach[t].begin(), map.reach[t].end());
        std::sort(near.begin(), near.end());
        near.erase(std::unique(near.begin(), near.end()), near.end());
        for (int s : near) {
            if (mine(map, s) && !facesEnemy(map, s, t)) ++closed;
            if (enemy(map, s)) ++exposed;
        }
        shape[t] = style.closedBonus * closed - style.exposedPenalty * exposed;
    }
    return shape;
}

int incomeAt(const Mind& m, int s) { return starIncome(m.state.galaxy.gameStars[s]); }
int ownerOf(const Mind& m, int s) { return m.state.galaxy.gameStars[s].owner; }

int rank(int income) { return income >= 7 ? 2 : income >= 3 ? 1 : 0; }

// The armies an own star holds back against the strongest enemy star that can
// attack it (leaving out except, about to be taken): none for a star out of
// reach, more for a richer star.
int keepAt(const Mind& m, int s, int except = noOwner)
{
    double threat = 0.0;
    for (int e : m.map.from[s])
        if (e != except && enemy(m.map, e))
            threat = std::max(threat, armiesAt(m.map, e) + 1.0);
    return static_cast<int>(threat * m.style.keepShare[rank(incomeAt(m, s))]);
}

// What taking t is worth, when taken already holds the income this plan took
// from each player before.
double gain(const Mind& m, int t, const std::vector<int>& taken)
{
    const int q = ownerOf(m, t);
    const int income = incomeAt(m, t);
    double g = income * m.style.incomeWeight;
    if (m.map.incomeOf[q] - taken[q] - income <= 0) g += m.style.eliminationBonus;
    return g + m.shape[t];
}

// The conquests a force of `lives` armies on star s could make in a row, the
// force moving on with every conquest: the best value per army lost first,
// each further one worth less.
double strikeValue(const Mind& m, int s, long long lives)
{
    std::vector<int> taken(m.map.incomeOf.size(), 0);
    std::vector<int> path;
    double total = 0.0, weight = 1.0;
    int at = s;
    for (int step = 0; step < m.style.chainLength; ++step) {
        int best = noOwner;
        double bestRatio = 0.0;
        for (int t : m.map.reach[at]) {
            if (!enemy(m.map, t) || std::find(path.begin(), path.end(), t) != path.end()) continue;
            const int defenders = armiesAt(m.map, t) + 1;
            if (winChance(static_cast<int>(std::min<long long>(lives, INT_MAX)), defenders) < m.style.minChance) continue;
            const double ratio = gain(m, t, taken) / (defenders + 1);
            if (ratio > bestRatio) {
                bestRatio = ratio;
                best = t;
            }
        }
        if (best == noOwner) break;
        total += weight * gain(m, best, taken);
        weight *= m.style.chainDiscount;
        taken[ownerOf(m, best)] += incomeAt(m, best);
        lives -= armiesAt(m.map, best) + 2;
        path.push_back(best);
        at = best;
    }
    return total;
}

// Own stars that an enemy star can reach or be reached from.
std::vector<int> frontStars(const Mind& m)
{
    std::vector<int> out;
    for (int s = 0; s < m.map.n; ++s)
        if (mine(m.map, s) && onFront(m.map, s)) out.push_back(s);
    return out;
}

Decision placement(const Mind& m, int seat)
{
    const GameState& state = m.state;
    const int left = state.armiesToPlace;
    Decision d{DecisionKind::Place, seat, noOwner, noOwner, left};
    const std::vector<int> front = frontStars(m);

    // Rich stars short of what they keep get up to a share of the turn's
    // income (which placing does not change); the strike gets the rest and
    // is placed first, so that what is left after it is the defence's.
    const int turnArmies = std::max(income(state, seat), static_cast<int>(state.galaxy.minimumIncome));
    long long shortfall = 0;
    int neediest = noOwner;
    long long mostShort = 0;
    for (int s : front) {
        const int shortBy = keepAt(m, s) - armiesAt(m.map, s);
        if (rank(incomeAt(m, s)) == 0 || shortBy <= 0) continue;
        shortfall += shortBy;
        if (static_cast<long long>(shortBy) * incomeAt(m, s) > mostShort) {
            mostShort = static_cast<long long>(shortBy) * incomeAt(m, s);
            neediest = s;
        }
    }
    const int defence = static_cast<int>(
        std::min<long long>({left, shortfall, static_cast<long long>(turnArmies * m.style.defenceShare)}));
    if (left - defence > 0) {
        double bestValue = 0.0;
        for (int s : front) {
            const long long lives = static_cast<long long>(armiesAt(m.map, s)) - keepAt(m, s) + left - defence;
            const double v = strikeValue(m, s, lives);
            if (v > bestValue) {
                bestValue = v;
                d.star = s;
            }
        }
        d.armies = left - defence;
        if (d.star != noOwner) return d;
    }
    if (neediest != noOwner) {
        d.star = neediest;
        d.armies = std::min(left, keepAt(m, neediest) - armiesAt(m.map, neediest));
        return d;
    }

    // No strike yet: build up where the cheapest gain lies.
    d.armies = left;
    double bestRatio = -1.0;
    for (int s : front) {
        for (int t : m.map.reach[s]) {
            if (!enemy(m.map, t)) continue;
            const double ratio = incomeAt(m, t) / (armiesAt(m.map, t) + 2.0);
            if (ratio > bestRatio) {
                bestRatio = ratio;
                d.star = s;
            }
        }
    }
    if (d.star == noOwner && !front.empty()) d.star = front.front();
    for (int s = 0; s < m.map.n && d.star == noOwner; ++s)
        if (state.galaxy.gameStars[s].owner == seat) d.star = s;
    return d;
}

Decision attack(const Mind& m, int seat)
{
    Decision d{DecisionKind::EndTurn, seat};
    double bestScore = 0.0;
    const std::vector<int> none(m.map.incomeOf.size(), 0);
    for (int s = 0; s < m.map.n; ++s) {
        if (!mine(m.map, s) || armiesAt(m.map, s) < 1) continue;
        for (int t : m.map.reach[s]) {
            if (!enemy(m.map, t)) continue;
            const int lives = armiesAt(m.map, s) - keepAt(m, s, t);
            if (lives < 1) continue;
            const int defenders = armiesAt(m.map, t) + 1;
            const double chance = winChance(lives, defenders);
            if (chance < m.style.minChance) continue;
            const double later = strikeValue(m, t, static_cast<long long>(lives) - defenders - 1);
            const double score = chance * (gain(m, t, none) + m.style.chainDiscount * later) / (defenders + 1);
            if (score > bestScore) {
                bestScore = score;
                d = Decision{DecisionKind::Attack, seat, s, t, lives};
            }
        }
    }
    return d;
}

// After a conquest the armies go on to the new star, less what the source
// keeps, unless the new star faces no enemy.
Decision transfer(const Mind& m, int seat)
{
    Decision d{DecisionKind::Transfer, seat, noOwner, noOwner, 0};
    const int from = m.state.transferFrom, to = m.state.transferTo;
    if (!m.state.galaxy.isGameStar(from) || !m.state.galaxy.isGameStar(to)) return d;
    if (!inPlay(m.map, to) || !onFront(m.map, to)) return d;
    d.armies = std::max(0, armiesAt(m.map, from) - keepAt(m, from));
    return d;
}

// The turn ends with the armies of the richest star behind the front moved
// one step towards it; or with "end".
Decision moveOrEnd(const Mind& m, int seat)
{
    const int n = m.map.n;
    std::vector<int> steps(n, INT_MAX), queue;
    for (int s = 0; s < n; ++s)
        if (mine(m.map, s) && onFront(m.map, s)) {
            steps[s] = 0;
            queue.push_back(s);
        }
    for (size_t k = 0; k < queue.size(); ++k)
        for (int v : m.map.from[queue[k]])
            if (mine(m.map, v) && steps[v] == INT_MAX) {
                steps[v] = steps[queue[k]] + 1;
                queue.push_back(v);
            }
    Decision d{DecisionKind::EndTurn, seat};
    int most = 0;
    for (int s = 0; s < n; ++s) {
        if (!mine(m.map, s) || steps[s] == 0 || steps[s] == INT_MAX || armiesAt(m.map, s) <= most) continue;
        int to = noOwner;
        for (int u : m.map.reach[s])
            if (mine(m.map, u) && steps[u] < steps[s] && (to == noOwner || steps[u] < steps[to])) to = u;
        if (to == noOwner || m.state.galaxy.gameStars[to].armies >= INT_MAX - armiesAt(m.map, s)) continue;
        most = armiesAt(m.map, s);
        d = Decision{DecisionKind::Move, seat, s, to, most};
    }
    return d;
}

// Whatever the state, something the rules take.
Decision fallback(const GameState& state, int seat)
{
    switch (state.phase) {
    case GamePhase::HumanPlacement:
        for (int s = 0; s < static_cast<int>(state.galaxy.gameStars.size()); ++s)
            if (state.galaxy.gameStars[s].owner == seat) return Decision{DecisionKind::Place, seat, s, noOwner, 1};
        break;
    case GamePhase::HumanTransfer: return Decision{DecisionKind::Transfer, seat, noOwner, noOwner, 0};
    default: break;
    }
    return Decision{DecisionKind::EndTurn, seat};
}

} // namespace

Decision expertDecision(const GameState& state, int seat) { return expertDecision(state, seat, ExpertStyle{}); }

Decision expertDecision(const GameState& state, int seat, const ExpertStyle& style)
{
    if (!state.galaxy.isPlayer(seat)) return Decision{DecisionKind::EndTurn, seat};
    Mind m{state, style, readMap(state, seat), {}};
    m.shape = frontShape(m.map, style);
    Decision d = fallback(state, seat);
    switch (state.phase) {
    case GamePhase::HumanPlacement: d = placement(m, seat); break;
    case GamePhase::HumanAttack: {
        d = attack(m, seat);
        const Decision stop = moveOrEnd(m, seat);
        if (d.kind == DecisionKind::EndTurn) {
            d = stop;
        } else if (style.lookahead && lookaheadFits(state)) {
            const uint32_t seed = thinkingSeed(state);
            const ExpertRules rules = [](const GameState& s, int p, const ExpertStyle& st) { return expertDecision(s, p, st); };
            if (lookaheadValue(state, seat, stop, seed, style.rollouts, style, rules) >
                lookaheadValue(state, seat, d, seed, style.rollouts, style, rules))
                d = stop;
        }
        break;
    }
    case GamePhase::HumanTransfer: d = transfer(m, seat); break;
    default: break;
    }
    return isLegal(state, d) ? d : fallback(state, seat);
}
