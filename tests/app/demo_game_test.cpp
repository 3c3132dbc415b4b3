// Demonstration games played through the real handlers on a scripted clock:
// the same game as the match runner's for the same seed, paced as the player
// is meant to watch it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "ai/game_trace.h"
#include "ai/turn_driver.h"
#include "game/galaxy_file.h"
#include "game/rules.h"
#include "screens/end_and_stats.h"
#include "tests/support/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

struct Step {
    int atMs;
    AiStepReport report;
    bool labelled;  // some star carries a label right after the step
};

unsigned seedOfGame = 1;
unsigned fixedSeed() { return seedOfGame; }
int clockMs = 0;
int traceCap = 0;
std::vector<Step> steps;
std::vector<std::string> screenTrace;

void record(const Galaxy& g, const AiStepReport& r)
{
    bool labelled = false;
    for (const Star& s : g.gameStars) labelled |= !s.label.empty();
    steps.push_back({clockMs, r, labelled});
    const std::string line = traceLine(g, r);
    if (!line.empty() && g.turn <= traceCap) screenTrace.push_back(line);
}

std::vector<std::string> simulatorTrace(unsigned seed, int cap)
{
    const std::string command = std::string("'") + ZENTORY_SIM_PATH + "' --trace --seed " + std::to_string(seed) +
                                " --max-turns " + std::to_string(cap);
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return lines;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        line += static_cast<char>(c);
        if (c != '\n') continue;
        if (line.rfind("turn ", 0) == 0) lines.push_back(line);
        line.clear();
    }
    pclose(pipe);
    return lines;
}

bool armiesNeverNegative()
{
    for (const Star& s : gameGalaxy.gameStars)
        if (s.active && s.armies < 0) return false;
    return true;
}

struct DemoGame : ::testing::Test {
    ProgramDriver program;
    bool running = false;

    void start(unsigned seed, int speed, int cap)
    {
        stop();
        ASSERT_TRUE(running = program.start(scratchDir("demo")));
        gameSpeed = speed;
        gameSpeedDelay = std::array{100, 50, 25}[speed];
        seedOfGame = seed;
        setTickSource(fixedSeed);
        clockMs = 0;
        traceCap = cap;
        steps.clear();
        screenTrace.clear();
        setAiStepObserver(record);
        previewGalaxy.name = builtInGalaxyName;
        startNewGame(true, true);
    }
    void stop()
    {
        if (running) program.stop();
        running = false;
    }
    void TearDown() override
    {
        setAiStepObserver(nullptr);
        stop();
    }
    void frame(int ms)
    {
        clockMs += ms;
        program.frame(static_cast<uint32_t>(ms));
    }
    // Plays until the win screen or past turn `cap`, dismissing each
    // elimination with Escape; `check` runs after every frame.
    template <class Check> void play(const std::vector<int>& frameMs, Check check)
    {
        for (size_t i = 0; i < 400000 && program.state() != "win" && gameGalaxy.turn <= traceCap; ++i) {
            if (program.state() == "killed") headlessPushKey(1, true);
            frame(frameMs[i % frameMs.size()]);
            headlessPushKey(1, false);
            check();
            if (HasFailure()) return;
        }
    }
};

TEST_F(DemoGame, EachSpeedPacesTheRunnersGame)
{
    for (int speed = 0; speed < 3; ++speed) {
        SCOPED_TRACE("speed " + std::to_string(speed));
        start(11 + speed, speed, 2);
        const int d = gameSpeedDelay, f = d / 5;
        std::vector<Step> seen;  // the last step at each frame it was the last one
        play({f}, [&] {
            ASSERT_TRUE(armiesNeverNegative());
            if (steps.empty()) return;
            const AiStepReport& r = steps.back().report;
            const std::vector<Star>& stars = gameGalaxy.gameStars;
            if (r.kind == AiStepKind::Placed && steps.back().labelled && program.state() == "placeAI") {
                bool labelled = false;
                for (const Star& s : stars) labelled |= !s.label.empty();
                EXPECT_TRUE(labelled) << "placement labels gone before the pause ended";
            }
            if (r.kind == AiStepKind::AttackChosen && clockMs > steps.back().atMs) {
                EXPECT_GE(r.attackers, 1);
                EXPECT_EQ(stars[r.to].label, std::to_string(r.defenders) + " v " + std::to_string(r.attackers));
            }
            if (program.state() == "killed") steps.back().atMs = -1;  // its pause is broken by the screen
        });
        for (size_t i = 1; i < steps.size(); ++i) {
            const AiStepReport &a = steps[i - 1].report, &b = steps[i].report;
            const int gap = steps[i].atMs - steps[i - 1].atMs;
            if (steps[i - 1].atMs < 0) continue;
            if (b.kind == AiStepKind::BattleRound || b.kind == AiStepKind::Repelled || b.kind == AiStepKind::Conquered) {
                EXPECT_GE(gap, d);
                EXPECT_LE(gap, d + f);
            } else if (a.kind == AiStepKind::Placed) {
                EXPECT_GE(gap, 5 * d);
                EXPECT_LE(gap, 5 * d + 2 * f);
            } else if (a.kind == AiStepKind::Repelled || a.kind == AiStepKind::Conquered) {
                EXPECT_GE(gap, 5 * d);
                EXPECT_LE(gap, 5 * d + f);
            }
        }
        EXPECT_EQ(screenTrace, simulatorTrace(seedOfGame, traceCap));
    }
}

TEST_F(DemoGame, RunsToItsWinScreenWhateverTheFrameLengths)
{
    start(5, 2, 400);
    int demoTextPixels = 0;
    play({1, 16, 7, 33, 16, 250, 16, 3, 4000, 16}, [&] {
        ASSERT_TRUE(armiesNeverNegative());
        if (program.state() != "attackAI") return;
        for (int y = 521; y < 580; ++y)
            for (int x = 79; x < 590; ++x) demoTextPixels += program.pixel(x, y) == 0xFFFFFFu;
    });
    ASSERT_EQ(program.state(), "win");
    EXPECT_GT(demoTextPixels, 0);
    const int winner = soleSurvivor(gameGalaxy);
    ASSERT_NE(winner, noOwner);
    EXPECT_EQ(winMessage, std::string(playerColourNames[winner]) + " wins!");
    EXPECT_EQ(screenTrace, simulatorTrace(seedOfGame, traceCap));
}

} // namespace
