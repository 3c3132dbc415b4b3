// A network game on the screens: the host's lobby at its board, a bot that
// joins from this process on 127.0.0.1, and a turn cycle played in step by
// the host's clicks and the bot's decisions.
#include <gtest/gtest.h>

#include <chrono>

#include "game/course.h"
#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "screens/board.h"
#include "screens/end_and_stats.h"
#include "screens/net_game.h"
#include "tests/support/scratch_dir.h"
#include "tools/net_bot.h"

TEST(NetGameScreens, TheHostsClicksAndABotsDecisionsPlayOneGame)
{
    ProgramDriver program;
    ASSERT_TRUE(program.start(scratchDir("net_game")));
    std::string why;
    // The seat lines' first human plays here, the second on the network.
    const std::vector<Seat> lines = {Seat::Human, Seat::Human, Seat::Expert, Seat::Computer, Seat::Computer};
    ASSERT_TRUE(openLobby(builtInGalaxy(), lines, 0, why)) << why;
    std::vector<SeatUse> uses;
    for (const NetSeat& s : netSeats()) uses.push_back(s.use);
    EXPECT_EQ(uses, (std::vector<SeatUse>{SeatUse::Local, SeatUse::Network, SeatUse::Expert, SeatUse::Computer, SeatUse::Computer}));
    PeerSession bot;
    ASSERT_TRUE(peerJoin(bot, "127.0.0.1", lobbyPort(), "Bot", why)) << why;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    // Frames of the host's program, the bot playing its seat meanwhile.
    ASSERT_TRUE(runWithBot(program, bot, until, [] { return lobbyFull(); }));
    EXPECT_EQ(netSeats()[1].name, "Bot");
    program.click(260, 530); // start
    ASSERT_TRUE(runWithBot(program, bot, until, [&] { return program.state() == State::placeHuman; }));
    EXPECT_EQ(bot.seat, 1);
    EXPECT_EQ(statisticsName(1), "blue (Bot)");
    // The host places by clicks on its stars, then ends its turn.
    const Galaxy& g = gameState.galaxy;
    int own = noOwner;
    for (int s = 0; s < g.slotCount() && own == noOwner; ++s)
        if (g.gameStars[s].active && g.gameStars[s].owner == 0) own = s;
    while (program.state() == State::placeHuman) program.click(g.layoutStars[own].x, g.layoutStars[own].y);
    ASSERT_TRUE(runWithBot(program, bot, until, [&] { return program.state() == State::attackHuman; }));
    program.click(655, 525); // Next Turn
    // The bot's turn shows on the host's board; at the next turn both games are one.
    ASSERT_TRUE(runWithBot(program, bot, until, [&] { return g.turn == 2 && program.state() == State::placeHuman; }));
    EXPECT_EQ(bot.state.galaxy.turn, 2);
    EXPECT_EQ(stateHash(gameState), stateHash(bot.state));
    peerLeave(bot);
    ASSERT_TRUE(runWithBot(program, bot, until, [] { return netLine() == "blue (Bot) left the game; the computer plays the seat"; }));
}
