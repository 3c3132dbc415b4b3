#include "game/end_on_points.h"

#include <tuple>

#include "game/rules.h"
#include "game/seats.h"

bool humanInPlay(const GameState& state)
{
    const Galaxy& g = state.galaxy;
    for (int p = 0; p < static_cast<int>(g.players.size()); ++p)
        if (seatOf(state, p) == Seat::Human && g.players[p].alive) return true;
    return false;
}

void noteConquest(Galaxy& galaxy) { galaxy.lastConquestTurn = galaxy.turn; }

bool endsOnPoints(const GameState& state)
{
    if (humanInPlay(state)) return false;
    const Galaxy& galaxy = state.galaxy;
    // In 64 bits: a turn counter near the int limit must not wrap the difference.
    const long long quiet = static_cast<long long>(galaxy.turn) - galaxy.lastConquestTurn;
    return quiet >= quietTurnsToEnd || galaxy.turn >= lastComputerTurn;
}

int pointsLeader(const GameState& state)
{
    const Galaxy& galaxy = state.galaxy;
    int leader = noOwner;
    std::tuple<int, int, int> best;
    for (int p = 0; p < static_cast<int>(galaxy.players.size()); ++p) {
        if (!galaxy.players[p].alive) continue;
        const std::tuple<int, int, int> points(income(state, p), galaxy.starCount(p), galaxy.armiesOf(p));
        // Strictly ahead: among equals the lower index stays.
        if (leader == noOwner || points > best) {
            leader = p;
            best = points;
        }
    }
    return leader;
}
