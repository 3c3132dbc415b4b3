// Decisions, recordings and their replay, on the built-in galaxy.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ai/replay.h"
#include "base/random.h"
#include "game/decide.h"
#include "game/human_turn.h"
#include "game/save_file.h"

namespace {

struct Recorded : ::testing::Test {
    std::string text;
    Recording r;
    std::string why;

    void SetUp() override
    {
        Galaxy loaded;
        loaded.loadBuiltIn("");
        dealGame(gameState, loaded, 11, true, 2);
        text = playAndRecord(gameState, 10, "2026-12-07T12:00:00Z");
    }
    void TearDown() override { gameState = GameState{}; }
    ReplayResult replay(const std::string& t)
    {
        EXPECT_TRUE(readRecording(t, r, why)) << why;
        return replayRecording(gameState, r);
    }
};

} // namespace

TEST_F(Recorded, BotGameReplaysAndVerifiesTurnByTurn)
{
    const int turns = gameState.galaxy.turn;
    const int winner = gameState.winner;
    ASSERT_NE(text.find("\ndecision 1 0 place "), std::string::npos);
    ASSERT_NE(text.find("\ndecision 1 0 attack "), std::string::npos);
    ASSERT_TRUE(readRecording(text, r, why)) << why;
    EXPECT_EQ(recordingText(r), text);
    EXPECT_EQ(r.version, programVersion());
    // The game keeps every cycle's figures as the recording has them, and its replay keeps them again.
    const std::vector<TurnFigures> history = gameState.history;
    size_t k = 0;
    for (const CourseEntry& e : r.course) {
        if (!e.cycleEnd) continue;
        ASSERT_LT(k, history.size());
        const TurnFigures& f = history[k++];
        EXPECT_EQ(f.turn, e.turn);
        for (int p = 0; p < f.players; ++p)
            EXPECT_EQ(std::tuple(f.stars[p], f.income[p], f.armies[p]), std::tuple(e.stars[p], e.income[p], e.armies[p]));
    }
    EXPECT_EQ(k, history.size());
    const ReplayResult result = replayRecording(gameState, r);
    EXPECT_EQ(gameState.history, history);
    EXPECT_EQ(result.differsAt, 0);
    EXPECT_EQ(result.turns, turns);
    EXPECT_EQ(result.winner, winner);
}

TEST_F(Recorded, ChangedArmyCountFailsAtItsTurn)
{
    // The last number of turn 5's line is the last player's armies.
    const size_t line = text.find("\nturn 5 ");
    const size_t end = text.find('\n', line + 1);
    std::string changed = text;
    changed.insert(end, "1");
    EXPECT_EQ(replay(changed).differsAt, 5);
}

TEST_F(Recorded, RecordingCutMidLineReplaysToItsLastWholeLine)
{
    const size_t decision = text.find("\ndecision 4 ");
    const std::string cut = text.substr(0, text.find('\n', decision + 1) + 5);
    const ReplayResult result = replay(cut);
    EXPECT_EQ(result.differsAt, 0);
    EXPECT_EQ(result.turns, 3);
    EXPECT_EQ(result.winner, noOwner);
    ASSERT_TRUE(r.course.back().decision.kind == DecisionKind::Place && r.course.back().turn == 4);
    EXPECT_EQ(gameState.galaxy.turn, 4) << "replayed up to the last decision";
}

TEST_F(Recorded, DamagedRecordingsAreRefusedWithAReason)
{
    const size_t course = text.find("\ncourse\n") + 8;
    const std::string header = text.substr(0, course);
    std::string galaxy = header;
    galaxy.insert(galaxy.find(" normalStar ", galaxy.find("\ngalaxy\n")), " 1");
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"", "not a recording"},
        {"zentory save 1\n", "not a recording"},
        {"zentory recording 2\n" + text.substr(20), "later version"},
        {text.substr(0, text.find("\ngalaxy\n") + 20), "cut short"},
        {galaxy, "galaxy"},
        {header + "decision 1 1 end\n", "computer player"},
        {header + "decision 1 0 place 3\n", "decision is damaged"},
        {header + "turn 1 0123456789abcdef 1 2\n", "turn line is damaged"},
        {header + "winner 0 conquest\n", "not a line"},
    };
    for (const auto& c : cases) {
        Recording out;
        why.clear();
        EXPECT_FALSE(readRecording(c.text, out, why)) << c.reason;
        EXPECT_EQ(why.rfind("recording cannot be read: ", 0), 0u) << why;
        EXPECT_NE(why.find(c.reason), std::string::npos) << why;
    }
}

TEST_F(Recorded, IllegalDecisionsAreRefusedAndChangeNothing)
{
    // The replayed game at turn 1's placement.
    const std::string cut = text.substr(0, text.find("\ndecision 1 0 place ") + 1);
    ASSERT_EQ(replay(cut).differsAt, 0);
    startTurnCycle(gameState);
    ASSERT_EQ(gameState.phase, GamePhase::HumanPlacement);
    int own = 0, other = 0;
    while (gameState.galaxy.gameStars[own].owner != 0) ++own;
    while (gameState.galaxy.gameStars[other].owner == 0) ++other;
    const Decision illegal[] = {
        {DecisionKind::Place, 1, own, noOwner, 1},    {DecisionKind::Place, 0, other, noOwner, 1},
        {DecisionKind::Place, 0, own, noOwner, 0},    {DecisionKind::Place, 0, -1, noOwner, 1},
        {DecisionKind::Place, 0, 1 << 30, noOwner, 1}, {DecisionKind::Place, -7, own, noOwner, 1},
        {DecisionKind::Attack, 0, own, other, 5},     {DecisionKind::Transfer, 0, noOwner, noOwner, 2},
        {DecisionKind::Move, 0, own, own, 1},         {DecisionKind::EndTurn, 0},
        {static_cast<DecisionKind>(99), 0, own, other, 1},
    };
    const std::string before = saveText(gameState);
    for (const Decision& d : illegal) {
        EXPECT_FALSE(isLegal(gameState, d)) << decisionText(d);
        EXPECT_FALSE(applyDecision(gameState, d)) << decisionText(d);
    }
    EXPECT_EQ(saveText(gameState), before);
    EXPECT_TRUE(gameState.journal.entries.empty());

    // The text form is read strictly.
    Decision d;
    for (const char* bad : {"", "end ", "place 1", "place 1 2 3", "place 01 2", "place -1 2", "attack 1 2 +3",
                            "move 1 2 1000000000", "transfer  2", "Place 1 2"})
        EXPECT_FALSE(parseDecision(bad, d)) << bad;
    for (const char* good : {"place 12 3", "attack 4 7 5", "transfer 0", "move 3 5 4", "end"}) {
        ASSERT_TRUE(parseDecision(good, d)) << good;
        EXPECT_EQ(decisionText(d), good);
    }
}
