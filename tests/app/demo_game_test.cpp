// Computer turns through the real handlers on a scripted clock: a
// demonstration game is the match runner's game for the same seed, paced so
// that it can be watched, and it ends on the elimination and win screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "ai/game_trace.h"
#include "game/course.h"
#include "game/end_on_points.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/rules.h"
#include "screens/end_and_stats.h"
#include "screens/turn_driver.h"
#include "tests/support/scratch_dir.h"
#include "tools/program_driver.h"

namespace {

struct Step {
    int atMs;
    AiStepReport report;
    bool labelled;  // a star carries a label right after the step
};
unsigned seed = 1;
unsigned fixedSeed() { return seed; }
int clockMs = 0, traceCap = 0;
std::vector<Step> steps;
std::vector<std::string> screenTrace;

bool anyLabel()
{
    const std::vector<std::string>& labels = gameState.computerTurns.labels;
    return !boardView.label.empty() ||
           std::any_of(labels.begin(), labels.end(), [](const std::string& s) { return !s.empty(); });
}

void record(const Galaxy& g, const AiStepReport& r)
{
    steps.push_back({clockMs, r, anyLabel()});
    if (g.turn <= traceCap && !traceLine(g, r).empty()) screenTrace.push_back(traceLine(g, r));
}

std::vector<std::string> runnerTrace()
{
    const std::string command = std::string("'") + ZENTORY_SIM_PATH + "' --trace --seed " + std::to_string(seed) +
                                " --max-turns " + std::to_string(traceCap);
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe))
        if (std::string(buffer).rfind("turn ", 0) == 0) lines.push_back(buffer);
    if (pipe) pclose(pipe);
    return lines;
}

struct ComputerTurns : ::testing::Test {
    ProgramDriver program;
    std::vector<std::string> eliminations;

    void start(bool demo, unsigned gameSeed, int delay, int cap)
    {
        ASSERT_TRUE(program.start(scratchDir("turns")));
        gameSpeedDelay = delay;
        seed = gameSeed;
        setTickSource(fixedSeed);
        clockMs = 0;
        traceCap = cap;
        steps.clear();
        screenTrace.clear();
        eliminations.clear();
        setAiStepObserver(record);
        startNewGame(builtInGalaxy(), demo);
        program.frames(2);  // past the turn's start
    }
    // Blue holds every star but star 0 (green) and star 1 (purple); seats
    // left without a star are out, as the deal marks them.
    void rig()
    {
        for (Star& s : gameState.galaxy.gameStars) s.owner = 1, s.armies = 30;
        gameState.galaxy.gameStars[0].owner = gameState.galaxy.gameStars[0].armies = 0;
        gameState.galaxy.gameStars[1].owner = 2, gameState.galaxy.gameStars[1].armies = 0;
        for (int p = 0; p < gameState.galaxy.playerCount; ++p) gameState.galaxy.players[p].alive = gameState.galaxy.starCount(p) > 0;
        setState(State::startAI);
    }
    void TearDown() override { setAiStepObserver(nullptr); }
    // To the win screen or past the turn cap; each elimination is noted and
    // dismissed with Escape. No army count may fall below 0 between frames.
    template <class Check> void play(const std::vector<int>& frameMs, Check check)
    {
        for (size_t i = 0; i < 400000 && program.state() != State::win && gameState.galaxy.turn <= traceCap; ++i) {
            if (program.state() == State::killed) {
                eliminations.push_back(eliminationMessage);
                headlessPushKey(1, true);
                steps.back().atMs = -1;  // the screen holds the pause
            }
            clockMs += frameMs[i % frameMs.size()];
            program.frame(frameMs[i % frameMs.size()]);
            headlessPushKey(1, false);
            for (const Star& s : gameState.galaxy.gameStars) ASSERT_GE(s.armies, 0);
            check();
        }
    }
};

TEST_F(ComputerTurns, EachSpeedPacesTheRunnersGameAndEliminationsLeadToTheWinScreen)
{
    for (int d : {100, 50, 25}) {
        SCOPED_TRACE(d);
        start(true, 11 + d, d, 1);
        const int f = d / 5;
        play({f}, [&] {
            ASSERT_FALSE(steps.empty());
            const AiStepReport& r = steps.back().report;
            if (r.kind == AiStepKind::AttackChosen && clockMs > steps.back().atMs) {
                ASSERT_EQ(std::pair(boardView.labelledStar, boardView.label),
                          std::pair(r.to, std::to_string(r.defenders) + " v " + std::to_string(r.attackers)));
            }
            if (r.kind == AiStepKind::Placed && steps.back().labelled && program.state() == State::placeAI) {
                ASSERT_TRUE(anyLabel()) << "placement labels gone within the pause";
            }
        });
        for (size_t i = 1; i < steps.size(); ++i) {
            const AiStepKind a = steps[i - 1].report.kind, b = steps[i].report.kind;
            const int gap = steps[i - 1].atMs < 0 ? -1 : steps[i].atMs - steps[i - 1].atMs;
            if (gap >= 0 && (b == AiStepKind::BattleRound || b == AiStepKind::Repelled || b == AiStepKind::Conquered)) {
                EXPECT_TRUE(gap >= d && gap <= d + f) << "a round after " << gap << " ms";
            } else if (gap >= 0 && (a == AiStepKind::Placed || a == AiStepKind::Repelled || a == AiStepKind::Conquered)) {
                EXPECT_TRUE(gap >= 5 * d && gap <= 5 * d + 2 * f) << "a pause of " << gap << " ms";
            }
        }
        EXPECT_EQ(screenTrace, runnerTrace());
    }

    // To the win screen, whatever the frame lengths; then the same game with
    // Space pressed in every frame, each cycle over in the frame it began.
    for (bool skip : {false, true}) {
        start(true, 5, 25, 400);
        play({1, 16, 7, 33, 16, 250, 16, 3, 4000, 16}, [&] {
            if (skip) headlessPushKey(keys::space, false), headlessPushKey(keys::space, true);
        });
        ASSERT_EQ(program.state(), State::win);
        EXPECT_EQ(winMessage, std::string(playerColourNames[soleSurvivor(gameState.galaxy)]) + " wins!");
        EXPECT_EQ(screenTrace, runnerTrace());
        std::set<int> stepFrames;
        for (const Step& s : steps) stepFrames.insert(s.atMs);
        EXPECT_TRUE(!skip || stepFrames.size() <= gameState.galaxy.turn + 2u) << stepFrames.size();
    }
    headlessPushKey(keys::space, false);

    // With the human in the game a skipped cycle ends where the paced one does.
    uint64_t cycleEnd[2] = {};
    for (bool skip : {false, true}) {
        start(false, 3, 25, 100);
        setState(State::startAI);
        if (skip) program.key(keys::space);
        EXPECT_TRUE(program.runUntil(State::placeHuman, skip ? 0 : 100000));
        cycleEnd[skip] = stateHash(gameState);
    }
    EXPECT_EQ(cycleEnd[0], cycleEnd[1]);

    start(true, 1, 25, 100);  // green and purple against blue; seats 3 and 4 hold nothing
    rig();
    play({16}, [] {});
    std::sort(eliminations.begin(), eliminations.end());
    EXPECT_EQ(eliminations, (std::vector<std::string>{"green was eliminated", "purple was eliminated"}));
    EXPECT_EQ(winMessage, "blue wins!");
    int lastSeatTurns = 0;
    for (const Step& s : steps) lastSeatTurns += s.report.player == 4 && s.report.kind == AiStepKind::TurnOver;
    EXPECT_EQ(lastSeatTurns, gameState.galaxy.turn - 1);

    start(false, 1, 50, 100);  // a game the deal left to one player ends at the computer turn
    for (Star& s : gameState.galaxy.gameStars) s.owner = 0;
    for (Player& p : gameState.galaxy.players) p.alive = &p == &gameState.galaxy.players[0];
    setState(State::startAI);
    program.frames(2);
    EXPECT_EQ(winMessage, "you win!");
}

TEST_F(ComputerTurns, ADemonstrationGameThatNeverEndedRunsUnattendedToAWinOnPoints)
{
    // TENTACLES seed 551 settles after its eighth turn and never ended before.
    // Nothing is clicked or pressed: each elimination goes on by itself after
    // 2 seconds, and the game ends on points. At turn 20 the turn counter is
    // moved on as a save could hold it, so that 1200 quiet turns take 18.
    start(true, 551, 25, lastComputerTurn);
    const int frameMs = 130;  // one driver step per frame at the fast speed
    int killedSince = -1, clock = 0;
    std::vector<int> killedShownMs;
    for (int i = 0; i < 200000 && program.state() != State::win; ++i) {
        if (gameState.galaxy.turn == 20) gameState.galaxy.turn += quietTurnsToEnd - 30;
        const bool killed = program.state() == State::killed;
        if (killed && killedSince < 0) killedSince = clock;
        if (killed && clock - killedSince > 5000) break;
        if (!killed && killedSince >= 0) killedShownMs.push_back(clock - killedSince), killedSince = -1;
        program.frame(frameMs);
        clock += frameMs;
    }
    ASSERT_EQ(program.state(), State::win);
    EXPECT_EQ(std::pair(gameState.phase, gameState.wonOnPoints), std::pair(GamePhase::Over, true));
    EXPECT_EQ(winMessage, std::string(playerColourNames[gameState.winner]) + " wins on points");
    EXPECT_EQ(gameState.galaxy.turn, gameState.galaxy.lastConquestTurn + quietTurnsToEnd);
    ASSERT_FALSE(killedShownMs.empty());
    for (int ms : killedShownMs) EXPECT_TRUE(ms >= 2000 && ms < 2000 + 2 * frameMs) << ms;

    // With the human in the game the elimination waits for "ok".
    start(false, 1, 25, 100);
    gameState.unannounced = {2};
    announceOrGo(State::play);
    program.frames(30, 130);
    EXPECT_EQ(program.state(), State::killed);
    program.key(keys::escape);
    EXPECT_EQ(program.state(), State::placeHuman);
}

} // namespace
