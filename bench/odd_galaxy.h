#pragma once
// Galaxies no editor would make, for the expert's legality test and its
// decision-time benchmark.
#include <random>

#include "game/galaxy.h"

// A galaxy no editor would make: slots left empty, stars without links, links
// one way only, kinds and armies at random.
inline Galaxy oddGalaxy(std::mt19937& gen, int slots, int players, int maxArmies)
{
    // Unsigned arithmetic: n may be INT_MAX + 1.
    auto pick = [&](long long n) { return static_cast<int>(gen() % static_cast<unsigned long long>(n)); };
    const char* kinds[] = {normalStarKind, goldenStarKind, darkStarKind, emptyKind};
    Galaxy g;
    g.playerCount = players;
    g.layoutStars.assign(slots, Star{});
    g.gameStars.assign(slots, Star{});
    g.links.assign(static_cast<size_t>(slots) * slots, 0);
    for (int s = 0; s < slots; ++s) {
        Star& star = g.gameStars[s];
        star.active = pick(10) != 0;
        star.kind = kinds[pick(4)];
        star.owner = star.active ? s < players ? s : pick(players) : noOwner;
        star.armies = pick(static_cast<long long>(maxArmies) + 1);
        for (int k = pick(4); k > 0; --k) g.links[static_cast<size_t>(s) * slots + pick(slots)] = 1;
    }
    g.players.assign(players, Player{1, 2.5});
    g.minimumIncome = pick(20);
    return g;
}
