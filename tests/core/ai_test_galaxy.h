#pragma once
// Small hand-made game galaxies for the computer player tests.
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "tests/support/test_star.h"

struct TestStar {
    const char* kind;
    int owner;
    int armies;
};

// Every star active at a distinct position; links set both ways; every
// player alive with the given caution.
inline Galaxy makeTestGalaxy(const std::vector<TestStar>& stars, const std::vector<std::pair<int, int>>& links,
                             int players, double caution = 2.5, double minimumIncome = 0.0)
{
    Galaxy g;
    const int n = static_cast<int>(stars.size());
    g.layoutStars.assign(n, Star{});
    g.gameStars.assign(n, Star{});
    g.links.assign(static_cast<size_t>(n) * n, 0);
    for (int i = 0; i < n; ++i) {
        Star s = testStar(20 + 30 * (i % 20), 20 + 30 * (i / 20), stars[i].kind);
        g.layoutStars[i] = s;
        s.owner = stars[i].owner;
        s.armies = stars[i].armies;
        g.gameStars[i] = s;
    }
    for (auto [a, b] : links) {
        g.links[static_cast<size_t>(a) * n + b] = 1;
        g.links[static_cast<size_t>(b) * n + a] = 1;
    }
    g.playerCount = players;
    g.players.assign(players, Player{1, caution});
    g.minimumIncome = minimumIncome;
    return g;
}

// A demonstration game (plain incomes) on the galaxy, the memory all zeros.
inline GameState testGame(Galaxy galaxy)
{
    GameState s;
    s.galaxy = std::move(galaxy);
    beginGame(s);
    return s;
}

inline constexpr const char* NS = "normalStar";
inline constexpr const char* GS = "goldenStar";
