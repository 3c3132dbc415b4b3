// Network play: the host's lobby before and after a player joined, the join
// screen, and the host's board during the other player's turn. The other
// player is a bot in this process on 127.0.0.1.
#include <chrono>

#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "game/seats.h"
#include "screens/net_game.h"
#include "screens/screens.h"
#include "tools/net_bot.h"
#include "tools/screenshots/screenshots.h"

int writeNetworkScreenshots(const std::string& dir)
{
    int failures = 0;
    ProgramDriver program;
    if (!program.start()) return 4;
    std::string why;
    if (!openLobby(builtInGalaxy(), defaultSeats(builtInGalaxy().playerCount, false), 0, why)) return 4;
    program.frame(50);
    failures += writeScreen(dir, "screen_lobby", program.state() == State::lobby);
    PeerSession bot;
    if (!peerJoin(bot, "127.0.0.1", lobbyPort(), "Ann", why)) return failures + 3;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    const bool full = runWithBot(program, bot, until, [] { return lobbyFull(); });
    program.frame(50);
    failures += writeScreen(dir, "screen_lobby_full", full);
    program.click(260, 530); // start
    if (runWithBot(program, bot, until, [&] { return program.state() == State::placeHuman; })) {
        const Galaxy& g = gameState.galaxy;
        int own = noOwner;
        for (int s = 0; s < g.slotCount() && own == noOwner; ++s)
            if (g.gameStars[s].active && g.gameStars[s].owner == 0) own = s;
        while (program.state() == State::placeHuman) program.click(g.layoutStars[own].x, g.layoutStars[own].y);
        runWithBot(program, bot, until, [&] { return program.state() == State::attackHuman; });
        program.click(655, 525); // Next Turn
        runWithBot(program, bot, until, [&] { return gameState.turnPlayer == 1; });
        program.frame(50);
    }
    failures += writeScreen(dir, "screen_remote_turn", gameState.turnPlayer == 1);
    peerLeave(bot);
    leaveNetGame();
    resetNetGameForTests();
    openJoin(0);
    program.frame(50);
    failures += writeScreen(dir, "screen_join", program.state() == State::join);
    return failures;
}
