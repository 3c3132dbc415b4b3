#include "game/save_check.h"

#include "game/seats.h"

#include <algorithm>
#include <cstdint>

#include "game/galaxy_file.h"

namespace {

constexpr int maxStarIncome = 7;
constexpr double maxIncomeFactor = 2.0;

bool fail(std::string& why, const char* reason)
{
    why = reason;
    return false;
}

// A star counts for its owner while its kind yields income.
int64_t incomeOf(const Galaxy& g, int p)
{
    int64_t sum = 0;
    for (const Star& s : g.gameStars)
        if (s.owner == p && s.active) sum += starIncome(s);
    return sum;
}

bool humanPhase(GamePhase p)
{
    return p == GamePhase::HumanPlacement || p == GamePhase::HumanAttack || p == GamePhase::HumanTransfer;
}

bool numbersInBounds(const GameState& s, std::string& why)
{
    const Galaxy& g = s.galaxy;
    // A set-up draws 0.6 of the galaxy's income, and no less than 0; the
    // allowance, the larger of it and the income, stays within maxSavedIncome.
    if (!(g.minimumIncome >= 0.0 && g.minimumIncome <= maxStarIncome * maxFileStars * 0.6))
        return fail(why, "the minimum income is out of range");
    if (s.armiesToPlace > maxSavedIncome) return fail(why, "more armies to place than any turn gives");
    // Per player, and for the stars of no player: armies only come from
    // placements, which stop at four times the allowance, so play never
    // takes a state within these bounds out of them.
    std::vector<int64_t> held(g.players.size() + 1, 0);
    for (const Star& star : g.gameStars) held[star.owner == noOwner ? g.players.size() : star.owner] += star.armies;
    // The human's armies still to place are counted as placed.
    if (s.phase == GamePhase::HumanPlacement) held[0] += s.armiesToPlace;
    for (int64_t armies : held)
        if (armies > maxSavedArmies) return fail(why, "more armies than a player can hold");
    return true;
}

bool partsAgree(const GameState& s, std::string& why)
{
    const Galaxy& g = s.galaxy;
    int living = 0;
    for (int p = 0; p < static_cast<int>(g.players.size()); ++p) {
        // A player is put out the moment its income is gone, and not before.
        const bool alive = g.players[p].alive != 0;
        if (alive ? g.starCount(p) == 0 : incomeOf(g, p) > 0)
            return fail(why, "a player's stars and its being alive disagree");
        living += alive;
    }
    if (s.phase != GamePhase::Over && living < 2) return fail(why, "a game in play with fewer than two players");
    std::vector<char> seen(g.players.size(), 0);
    for (int p : s.unannounced) {
        if (g.players[p].alive) return fail(why, "a player alive is announced as eliminated");
        if (seen[p]++) return fail(why, "a player is eliminated twice");
    }
    if (static_cast<int>(s.seats.size()) != g.playerCount) return fail(why, "the seats are not one per player");
    if (humanPhase(s.phase) && (!decidingSeat(s, s.turnPlayer) || !g.players[s.turnPlayer].alive))
        return fail(why, "a player's turn without that player");
    if (s.turnPlayer != noOwner && !decidingSeat(s, s.turnPlayer)) return fail(why, "a turn for a computer seat");
    if (s.phase == GamePhase::HumanPlacement && s.armiesToPlace < 1) return fail(why, "a placement with nothing to place");
    if (s.phase == GamePhase::HumanTransfer) {
        const Star& from = g.gameStars[s.transferFrom];
        const Star& to = g.gameStars[s.transferTo];
        if (s.transferFrom == s.transferTo || from.owner != s.turnPlayer || to.owner != s.turnPlayer || from.armies < 1 ||
            !g.isLinked(s.transferTo, s.transferFrom))
            return fail(why, "a transfer the game cannot offer");
    }
    if (s.phase == GamePhase::Over && !g.players[s.winner].alive) return fail(why, "the winner is out");
    return true;
}

// The course kept: figures of turns already played, in order, within what a
// player can hold; conquests of stars of the galaxy.
bool courseAgrees(const GameState& s, std::string& why)
{
    const Galaxy& g = s.galaxy;
    int turn = 0;
    for (const TurnFigures& f : s.history) {
        if (f.turn < turn || f.turn > g.turn) return fail(why, "the history's turns are out of order");
        turn = f.turn;
        for (int p = 0; p < f.players; ++p)
            if (f.income[p] > maxSavedIncome || f.armies[p] > maxSavedArmies)
                return fail(why, "the history holds more than a player can");
    }
    for (const auto* events : {&s.events, &s.lastEvents})
        for (const GameEvent& e : *events)
            if (!g.isGameStar(e.star) || e.turn > g.turn || e.taker == e.loser)
                return fail(why, "a conquest the game cannot have had");
    return true;
}

} // namespace

const int maxSavedIncome = static_cast<int>(maxStarIncome * maxFileStars * maxIncomeFactor);
const int maxSavedArmies = 4 * maxSavedIncome;

bool checkPlayable(const GameState& state, std::string& why)
{
    return numbersInBounds(state, why) && partsAgree(state, why) && courseAgrees(state, why);
}
