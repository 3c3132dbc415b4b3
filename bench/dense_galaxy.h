#pragma once
// The densest galaxies the benchmarks use: 100 stars on a 10 by 10 grid, every
// cell cut by one diagonal (261 links that never cross, about as many as a
// plane map of 100 stars can hold).
#include "game/game_state.h"
#include "game/rules.h"
#include "game/seats.h"

// Places the first 100 stars, already active, on the grid and links them.
inline void placeDenseGrid(Galaxy& g)
{
    const int side = 10;
    for (int i = 0; i < side * side; ++i) {
        g.layoutStars[i].x = 40 + 75 * (i % side);
        g.layoutStars[i].y = 30 + 48 * (i / side);
    }
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            const int i = r * side + c;
            if (c + 1 < side) g.setLink(i, i + 1, 1);
            if (r + 1 < side) g.setLink(i, i + side, 1);
            if (c + 1 < side && r + 1 < side) g.setLink(i, i + side + 1, 1);
        }
}

// The grid with kinds cycling normal, normal, golden, normal, dark; eight
// players, dealt with seed 1 for a demonstration game.
inline void makeDenseGalaxy(GameState& state)
{
    Galaxy& g = state.galaxy;
    g.reset();
    const char* kinds[] = {"normalStar", "normalStar", "goldenStar", "normalStar", "darkStar"};
    for (int i = 0; i < maxStars; ++i) g.layoutStars[i].kind = kinds[i % 5], g.layoutStars[i].active = 1;
    placeDenseGrid(g);
    g.name = "DENSE";
    g.playerCount = 8;
    state.seats = defaultSeats(8, true);
    g.prepareGameStars();
    setUpGame(g, state.random, 1);
}
