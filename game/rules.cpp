#include "game/rules.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "game/game_state.h"
#include "game/seats.h"

namespace {

TickSource tickSource = nullptr;

int clampToInt(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

// Each side loses an army with probability one half; computed without
// overflow so that armies near the int limits cannot wrap.
void loseOne(int& armies)
{
    if (armies > INT_MIN) --armies;
}

} // namespace

void setTickSource(TickSource source) { tickSource = source; }

unsigned tickSeed() { return tickSource ? tickSource() : 1u; }

void Galaxy::prepareGameStars()
{
    turn = 0;
    lastConquestTurn = 0;
    gameStars.resize(layoutStars.size());
    for (size_t i = 0; i < layoutStars.size(); ++i) {
        const Star& from = layoutStars[i];
        Star& to = gameStars[i];
        to.x = from.x;
        to.y = from.y;
        to.active = from.active;
        to.reserved = from.reserved;
        to.kind = from.kind;
        to.owner = 0;
        to.armies = 0;
    }
}

void setUpGame(Galaxy& galaxy, Random& random, int seed)
{
    // The colour tables and the division by P - 1 need 2..8 players.
    int& playerCount = galaxy.playerCount;
    std::vector<Player>& players = galaxy.players;
    std::vector<Star>& gameStars = galaxy.gameStars;
    playerCount = std::clamp(playerCount, minPlayers, maxPlayers);
    const int P = playerCount;
    random.state = static_cast<uint32_t>(seed);

    players.assign(P, Player{});
    for (Player& p : players) {
        p.caution = random.next(1000) / 300.0 + 2.0;
        p.alive = 1;
    }

    double total = 0;
    for (Star& s : gameStars) {
        s.owner = noOwner;
        total += starIncome(s);
    }
    galaxy.minimumIncome = total / (P - 1) * 0.6;

    // The same deal as repeated calls of countUnownedStars and weakestPlayer,
    // kept as running sums so that very large galaxies stay fast.
    const int n = static_cast<int>(gameStars.size());
    int unowned = galaxy.countUnownedStars(gameStars);
    std::vector<int64_t> held(P, 0);
    while (unowned >= 1) {
        int r = 0;
        if (n < 32767) {
            // Every residue comes up within the generator's period.
            do {
                r = random.next(n);
            } while (!gameStars[r].active || gameStars[r].owner != noOwner);
        } else {
            // Draws reach only 32768 of the slots here: take the next
            // waiting star at or after the drawn slot instead.
            r = std::clamp(random.next(n), 0, n - 1);
            while (!gameStars[r].active || gameStars[r].owner != noOwner) r = (r + 1) % n;
        }
        const int weakest = static_cast<int>(std::min_element(held.begin(), held.end()) - held.begin());
        Star& s = gameStars[r];
        s.owner = weakest;
        s.armies = 2 * starIncome(s);
        held[weakest] += starIncome(s);
        --unowned;
    }

    // A player dealt no star could never be beaten, so the game could never end.
    for (int p = 0; p < P; ++p)
        if (galaxy.starCount(p) == 0) players[p].alive = 0;

    random.state = tickSeed();
}

int Galaxy::starCount(int p) const
{
    int count = 0;
    for (const Star& s : gameStars)
        if (s.owner == p) ++count;
    return count;
}

int Galaxy::armiesOf(int p) const
{
    int64_t sum = 0;
    for (const Star& s : gameStars)
        if (s.owner == p) sum += s.armies;
    return clampToInt(sum);
}

int Galaxy::starIncomeOf(int p) const
{
    int64_t s = 0;
    for (const Star& star : gameStars)
        if (star.owner == p) s += starIncome(star);
    return clampToInt(s);
}

int income(const GameState& state, int p)
{
    const int s = state.galaxy.starIncomeOf(p);
    if (seatOf(state, p) != Seat::Human || s == 0) return s;
    const int level = std::clamp(state.difficulty, 0, static_cast<int>(humanIncomeFactor.size()) - 1);
    const double f = static_cast<double>(s) * humanIncomeFactor[level];
    return std::max(1, clampToInt(static_cast<int64_t>(f)));
}

int placementAllowance(const GameState& state, int p)
{
    const double minimumIncome = state.galaxy.minimumIncome;
    int64_t a = income(state, p);
    if (static_cast<double>(a) < minimumIncome)
        a = static_cast<int64_t>(std::clamp(minimumIncome, 0.0, static_cast<double>(INT_MAX)));
    const int64_t armies = state.galaxy.armiesOf(p);
    if (armies + a <= 4 * a) return clampToInt(std::max<int64_t>(a, 0));
    return clampToInt(std::max<int64_t>(4 * a - armies, 0));
}

int Galaxy::weakestPlayer() const
{
    std::vector<int64_t> held(players.size(), 0);
    for (const Star& s : gameStars)
        if (s.owner >= 0 && s.owner < static_cast<int>(held.size())) held[s.owner] += starIncome(s);
    if (held.empty()) return noOwner;
    return static_cast<int>(std::min_element(held.begin(), held.end()) - held.begin());
}

int Galaxy::countUnownedStars(const std::vector<Star>& stars) const
{
    int count = 0;
    for (const Star& s : stars)
        if (s.active && s.owner == noOwner) ++count;
    return count;
}

void battleRound(Random& random, int& first, int& second)
{
    if (random.next(2) == 1)
        loseOne(first);
    else
        loseOne(second);
}

void beginTurnCycle(Galaxy& galaxy)
{
    if (galaxy.turn < INT_MAX) ++galaxy.turn;
}

bool takesDecisionTurn(const GameState& state, int p)
{
    const Galaxy& galaxy = state.galaxy;
    if (!decidingSeat(state, p) || !galaxy.isPlayer(p) || !galaxy.players[p].alive) return false;
    return !(galaxy.turn == 1 && state.difficulty >= 3);
}

bool placementCapped(const GameState& state, int p) { return placementAllowance(state, p) < income(state, p); }

bool humanBattle(Galaxy& galaxy, Random& random, int source, int target, int readyToLose)
{
    if (!galaxy.isGameStar(source) || !galaxy.isGameStar(target) || source == target) return false;
    Star& from = galaxy.gameStars[source];
    Star& to = galaxy.gameStars[target];
    const int64_t stopAt = static_cast<int64_t>(from.armies) - std::clamp(readyToLose, 0, std::max(from.armies, 0));
    while (from.armies > stopAt && to.armies >= 0) battleRound(random, from.armies, to.armies);
    return to.armies < 0;
}

namespace {

Conquest conquer(Galaxy& galaxy, int attacker, int target, int occupants)
{
    Conquest result;
    Star& s = galaxy.gameStars[target];
    result.star = target;
    result.taker = attacker;
    result.previousOwner = s.owner;
    s.owner = attacker;
    s.armies = occupants;
    result.eliminated = eliminateIfBeaten(galaxy, result.previousOwner);
    result.winner = soleSurvivor(galaxy);
    return result;
}

} // namespace

Conquest humanConquest(Galaxy& galaxy, int source, int target)
{
    if (!galaxy.isGameStar(source) || !galaxy.isGameStar(target) || source == target) return {};
    Star& from = galaxy.gameStars[source];
    loseOne(from.armies);
    return conquer(galaxy, from.owner, target, 0);
}

Conquest aiConquest(Galaxy& galaxy, int attacker, int target, int force)
{
    if (!galaxy.isGameStar(target)) return {};
    return conquer(galaxy, attacker, target, std::max(force, 1) - 1);
}

int transferArmies(Galaxy& galaxy, int source, int target, int m)
{
    if (!galaxy.isGameStar(source) || !galaxy.isGameStar(target) || source == target) return 0;
    Star& from = galaxy.gameStars[source];
    Star& to = galaxy.gameStars[target];
    const int moved = std::clamp(m, 0, std::max(from.armies, 0));
    const int room = INT_MAX - std::max(to.armies, 0);
    const int actual = std::min(moved, room);
    from.armies -= actual;
    to.armies += actual;
    return actual;
}

bool eliminateIfBeaten(Galaxy& galaxy, int q)
{
    // The human's handicap never turns an income to 0 or from 0: the stars' income decides.
    if (!galaxy.isPlayer(q) || !galaxy.players[q].alive || galaxy.starIncomeOf(q) != 0) return false;
    galaxy.players[q].alive = 0;
    return true;
}

int soleSurvivor(const Galaxy& galaxy)
{
    int survivor = noOwner;
    for (int p = 0; p < static_cast<int>(galaxy.players.size()); ++p) {
        if (!galaxy.players[p].alive) continue;
        if (survivor != noOwner) return noOwner;
        survivor = p;
    }
    return survivor;
}
