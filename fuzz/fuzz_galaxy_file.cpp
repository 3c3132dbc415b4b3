// Feeds arbitrary text to the galaxy reader, then puts whatever it accepted
// through the hit tests, the editor's tidy-up, a game set-up and the rules, so
// that odd numbers that pass the reader cannot cause trouble later.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "game/galaxy.h"
#include "game/game_state.h"
#include "game/layout_check.h"
#include "game/rules.h"
#include "game/seats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Galaxy g;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const bool accepted = g.readFrom(in);
    const int n = g.slotCount();
    if (!accepted && (n != maxStars || g.links.size() != static_cast<size_t>(maxStars) * maxStars)) __builtin_trap();
    if (g.links.size() != static_cast<size_t>(n) * n || g.gameStars.size() != static_cast<size_t>(n))
        __builtin_trap();

    // Hit tests and placement at every star and at the board's corners.
    for (int i = 0; i < n && i < 64; ++i) {
        const Star& s = g.layoutStars[i];
        g.starAt(s.x, s.y, 0, 0);
        g.starAt(s.x, s.y, 30, 30);
        g.canPlaceStar(s);
        g.isLinked(i, (i * 7) % n);
    }
    g.starAt(0, 0, 0, 0);
    g.starAt(799, 499, 1e9, 1e9);

    // The game block as read, before any set-up, with a human seat; then a game on it.
    GameState state;
    state.galaxy = g;
    state.seats = defaultSeats(g.playerCount, false);
    state.turnPlayer = 0;
    for (int p = -1; p < 9; ++p) {
        g.starCount(p);
        g.armiesOf(p);
        placementAllowance(state, p);
    }
    Galaxy& game = state.galaxy;
    game.prepareGameStars();
    setUpGame(game, state.random, static_cast<int>(size));
    for (int p = 0; p < game.playerCount; ++p) {
        placementAllowance(state, p);
        eliminateIfBeaten(game, p);
    }
    for (int i = 0; i + 1 < n && i < 16; ++i) {
        if (game.gameStars[i].active && game.gameStars[i + 1].active) {
            humanBattle(game, state.random, i, i + 1, 3);
            if (game.gameStars[i + 1].armies < 0) humanConquest(game, i, i + 1);
            transferArmies(game, i, i + 1, 2);
        }
    }
    soleSurvivor(game);

    // The editor's tidy-up, then a link and a removal, on a small map only
    // (the crossing test is cubic in the slot count).
    if (n <= 120) {
        validateLayout(g);
        g.setLink(0, n - 1, 1);
        g.removeStar(0);
    }
    return 0;
}
