// Games that computer players alone play on end, on points when they stall;
// a game with the human in play never does.
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "ai/game_record.h"
#include "ai/turn_sequence.h"
#include "game/end_on_points.h"
#include "game/galaxy_file.h"
#include "game/rules.h"
#include "tests/core/ai_test_galaxy.h"
#include "game/seats.h"

namespace {

Galaxy standardGalaxy(int index)
{
    Galaxy g;
    if (index == 0) {
        g.loadBuiltIn("");
    } else {
        std::ifstream in(std::string(ZENTORY_SOURCE_DATA_DIR) + "/galaxies/" + standardGalaxyNames[index] + ".gly");
        g.readFrom(in);
    }
    return g;
}

// A demonstration game as zentory-sim plays it, its turn counter moved on by
// skip after turn 60 as a save could hold it: whether it ended on points, its
// last conquest, its turn, and whether the winner is the points leader.
std::tuple<bool, int, int, bool> playDemo(int galaxyIndex, unsigned seed, int skip)
{
    GameState s;
    bool onPoints = false;
    DemoGameObserver observer;
    observer.stepped = [&](const Galaxy&, const AiStepReport& r) { onPoints = r.wonOnPoints; };
    int winner = playDemoGame(s, standardGalaxy(galaxyIndex), seed, 60, observer);
    s.galaxy.turn += skip;
    if (winner == noOwner) winner = continueDemoGame(s, lastComputerTurn + 1, observer, false);
    return {onPoints, s.galaxy.lastConquestTurn, s.galaxy.turn, winner == pointsLeader(s)};
}

} // namespace

TEST(EndOnPoints, DemonstrationGamesThatNeverEndedEndOnPoints)
{
    // TENTACLES seed 106 settles after turn 54: from then on every attack is repelled.
    EXPECT_EQ(playDemo(0, 106, quietTurnsToEnd - 20), std::tuple(true, 54, 54 + quietTurnsToEnd, true));
    // On PARA seed 306 stars change hands every few turns for ever.
    const auto [onPoints, lastConquest, turn, leaderWon] = playDemo(2, 306, lastComputerTurn - 80);
    EXPECT_EQ(std::tuple(onPoints, turn, leaderWon), std::tuple(true, lastComputerTurn, true));
    EXPECT_GT(lastConquest, lastComputerTurn - 20);
}

TEST(EndOnPoints, TheLeaderHasMoreIncomeThenStarsThenArmiesThenTheLowerIndex)
{
    struct Case {
        const char* what;
        std::vector<TestStar> stars;
        int leader;
    };
    const Case cases[] = {
        {"income before stars and armies", {{GS, 0, 0}, {NS, 1, 50}, {NS, 1, 50}}, 0},
        {"stars on equal income", {{NS, 0, 0}, {NS, 0, 0}, {NS, 0, 0}, {GS, 1, 50}}, 0},
        {"armies on equal income and stars", {{NS, 0, 3}, {NS, 1, 4}}, 1},
        {"the lower index when all is equal", {{NS, 0, 4}, {NS, 1, 4}, {NS, 2, 4}}, 0},
        {"a later player strictly ahead", {{NS, 0, 4}, {NS, 1, 4}, {GS, 2, 0}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pointsLeader(testGame(makeTestGalaxy(c.stars, {}, 3))), c.leader);
    }
    // A player out of the game is passed over even with stars left to it.
    GameState s = testGame(makeTestGalaxy({{GS, 0, 9}, {NS, 1, 0}}, {}, 2));
    s.galaxy.players[0].alive = 0;
    EXPECT_EQ(pointsLeader(s), 1);
    s.galaxy.players[1].alive = 0;
    EXPECT_EQ(pointsLeader(s), noOwner);
}

TEST(EndOnPoints, OnlyAGameWithoutTheHumanEndsOnPoints)
{
    // Three players and no links: no star ever changes owner.
    for (int demo : {0, 1}) {
        for (int humanAlive : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "demo " << demo << ", human alive " << humanAlive);
            GameState s = testGame(makeTestGalaxy({{NS, 0, 0}, {GS, 1, 0}, {NS, 2, 0}}, {}, 3));
            s.seats = defaultSeats(3, demo == 1);
            s.galaxy.players[0].alive = humanAlive;
            const bool ends = demo == 1 || humanAlive == 0;
            while (s.galaxy.turn < quietTurnsToEnd + 5 && s.phase != GamePhase::Over) {
                beginTurnCycle(s.galaxy);
                beginComputerTurns(s);
                while (s.phase == GamePhase::ComputerTurns) stepComputerTurns(s);
            }
            EXPECT_EQ(std::tuple(s.phase == GamePhase::Over, s.wonOnPoints, s.winner),
                      ends ? std::tuple(true, true, 1) : std::tuple(false, false, noOwner));
            EXPECT_EQ(s.galaxy.turn, ends ? quietTurnsToEnd : quietTurnsToEnd + 5);
        }
    }
}
