#pragma once
// The densest galaxy the benchmarks play: 100 stars on a 10 by 10 grid, every
// cell cut by one diagonal (261 links that never cross, about as many as a
// plane map of 100 stars can hold), kinds cycling normal, normal, golden,
// normal, dark; eight players, dealt with seed 1 for a demonstration game.
#include "game/galaxy.h"

inline void makeDenseGalaxy(Galaxy& g)
{
    const int side = 10, n = side * side;
    g.reset();
    g.layoutStars.assign(n, Star{});
    g.links.assign(static_cast<size_t>(n) * n, 0);
    const char* kinds[] = {"normalStar", "normalStar", "goldenStar", "normalStar", "darkStar"};
    for (int i = 0; i < n; ++i) {
        Star& s = g.layoutStars[i];
        s.x = 40 + 75 * (i % side);
        s.y = 30 + 48 * (i / side);
        s.kind = kinds[i % 5];
        s.active = 1;
    }
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            const int i = r * side + c;
            if (c + 1 < side) g.setLink(i, i + 1, 1);
            if (r + 1 < side) g.setLink(i, i + side, 1);
            if (c + 1 < side && r + 1 < side) g.setLink(i, i + side + 1, 1);
        }
    g.name = "DENSE";
    g.playerCount = 8;
    demoMode = 1;
    g.prepareGameStars();
    g.setUpGame(1);
}
