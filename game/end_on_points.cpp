#include "game/end_on_points.h"

#include <tuple>

bool humanInPlay(const Galaxy& galaxy)
{
    return demoMode == 0 && !galaxy.players.empty() && galaxy.players[0].alive != 0;
}

void noteConquest(Galaxy& galaxy) { galaxy.lastConquestTurn = galaxy.turn; }

bool endsOnPoints(const Galaxy& galaxy)
{
    if (humanInPlay(galaxy)) return false;
    // In 64 bits: a turn counter near the int limit must not wrap the difference.
    const long long quiet = static_cast<long long>(galaxy.turn) - galaxy.lastConquestTurn;
    return quiet >= quietTurnsToEnd || galaxy.turn >= lastComputerTurn;
}

int pointsLeader(const Galaxy& galaxy)
{
    int leader = noOwner;
    std::tuple<int, int, int> best;
    for (int p = 0; p < static_cast<int>(galaxy.players.size()); ++p) {
        if (!galaxy.players[p].alive) continue;
        const std::tuple<int, int, int> points(galaxy.income(p), galaxy.starCount(p), galaxy.armiesOf(p));
        // Strictly ahead: among equals the lower index stays.
        if (leader == noOwner || points > best) {
            leader = p;
            best = points;
        }
    }
    return leader;
}
