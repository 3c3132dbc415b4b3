// The expert computer player: every decision legal, the same one for the same
// state, the game's generator untouched by asking; on standard and on
// generated odd galaxies (one-way links, unlinked stars, up to 1000 slots).
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <random>
#include <string>

#include "ai/expert.h"
#include "ai/replay.h"
#include "bench/odd_galaxy.h"
#include "game/course.h"
#include "game/decide.h"
#include "game/seats.h"

namespace {

// Plays up to turns turn cycles, checking each decision of the expert seats;
// returns the decisions made.
int playChecked(GameState& state, int turns)
{
    int made = 0, thisTurn = 0, turn = 0;
    EXPECT_TRUE(playOn(state, turns, [&](const GameState& s) {
        thisTurn = turn == s.galaxy.turn ? thisTurn + 1 : 0;
        turn = s.galaxy.turn;
        if (thisTurn == 5000) ADD_FAILURE() << "stuck in turn " << turn;
        const Decision d = expertDecision(s, s.turnPlayer);
        EXPECT_EQ(d, expertDecision(s, s.turnPlayer));
        EXPECT_TRUE(isLegal(s, d)) << "turn " << s.galaxy.turn << ": " << decisionText(d);
        ++made;
        return d;
    }));
    return made;
}

TEST(Expert, PlaysStandardGalaxiesLegallyAndTheSameEachTime)
{
    for (const char* name : {"GRAVITY CENTER", "ROMAN"}) {
        Galaxy loaded;
        std::ifstream in(std::string(ZENTORY_SOURCE_DATA_DIR) + "/galaxies/" + name + ".gly");
        ASSERT_TRUE(in && loaded.readFrom(in)) << name;
        for (unsigned seed : {3u, 4u}) {
            // Two experts, one at player 0 and one later in the cycle.
            std::vector<Seat> seats(loaded.playerCount, Seat::Computer);
            seats[0] = seats[seed - 1] = Seat::Expert;
            GameState first, second;
            dealGame(first, loaded, seed, seats, 2);
            dealGame(second, loaded, seed, seats, 2);
            EXPECT_GT(playChecked(first, 40), 0) << name;
            playChecked(second, 40);
            EXPECT_EQ(stateHash(first), stateHash(second)) << name << " seed " << seed;
        }
    }
}


TEST(Expert, AlwaysDecidesLegallyOnOddGalaxies)
{
    std::mt19937 gen(33);
    int made = 0;
    for (int round = 0; round < 12; ++round) {
        GameState state;
        const int slots = round == 0 ? maxPlayers : round == 1 ? 1000 : 5 + static_cast<int>(gen() % 120);
        state.galaxy = oddGalaxy(gen, slots, round == 0 ? maxPlayers : 2 + round % 7, 30);
        state.seats.assign(state.galaxy.playerCount, Seat::Computer);
        state.seats[round % state.galaxy.playerCount] = Seat::Expert;
        state.difficulty = round % 5;
        beginGame(state);
        made += playChecked(state, round == 1 ? 2 : 25);
    }
    EXPECT_GT(made, 100);
    // Armies near the int limit, asked in every phase without playing on.
    GameState state;
    state.galaxy = oddGalaxy(gen, 60, 4, INT_MAX);
    state.seats = {Seat::Expert, Seat::Computer, Seat::Computer, Seat::Computer};
    beginGame(state);
    state.turnPlayer = 0;
    state.armiesToPlace = INT_MAX;
    for (GamePhase phase : {GamePhase::HumanPlacement, GamePhase::HumanAttack, GamePhase::HumanTransfer}) {
        state.phase = phase;
        state.transferFrom = 0;
        state.transferTo = 1;
        EXPECT_TRUE(isLegal(state, expertDecision(state, 0)));
    }
}

} // namespace
