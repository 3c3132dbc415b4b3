#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "ai/replay.h"
#include "game/course.h"
#include "screens/replays.h"
#include "tests/support/scratch_dir.h"
#include "tools/program_driver.h"

// Two recorded games and a damaged file: the menu's "Replays" lists them
// newest first, the damaged one with its reason; a game opened there and
// jumped to its last turn ends on the board the headless replay reaches,
// and the game in gameState is never touched.
TEST(Replays, ListOpenJumpToTheEndAndLeave)
{
    namespace fs = std::filesystem;
    const fs::path folder = scratchDir("replays");
    fs::remove_all(folder);
    fs::create_directories(folder);
    Galaxy builtIn;
    builtIn.loadBuiltIn("");
    std::string texts[2];
    for (int i = 0; i < 2; ++i) {
        GameState game;
        dealGame(game, builtIn, 11 + static_cast<unsigned>(i), i == 1, 2);
        texts[i] = playAndRecord(game, 6 + 2 * i, "2026-12-07 12:0" + std::to_string(i));
        const fs::path path = folder / ("game" + std::to_string(i) + ".rec");
        std::ofstream(path) << texts[i];
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(2 - i));
    }
    std::ofstream(folder / "damaged.rec") << "zentory recording 99\n";

    ProgramDriver program;
    ASSERT_TRUE(program.start(scratchDir("replays_program")));
    recordingsFolder = folder.string();
    ASSERT_TRUE(program.runUntil(State::menu, 3000));
    program.click(200, 191); // "Replays"
    ASSERT_EQ(program.state(), State::replays);
    const std::vector<ReplayRow>& rows = replayRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].error.rfind("recording cannot be read: ", 0), 0u) << rows[0].error;
    EXPECT_EQ(rows[1].seats + rows[2].seats, "1 human, 4 computer0 human, 5 computer");
    EXPECT_EQ(std::pair(rows[1].turns, rows[2].turns), std::pair(8, 6));
    program.click(200, 64 + 28 * 0 + 14); // the damaged row opens nothing
    ASSERT_EQ(program.state(), State::replays);
    for (int k : {keys::down, keys::down, keys::enter}) program.key(k); // the second row by keys
    ASSERT_EQ(program.state(), State::replayView);

    for (int i = 0; i < 8; ++i) program.click(380, 548); // "+" to the last turn
    program.click(460, 548);                              // "go to turn"
    EXPECT_EQ(replayViewerState().galaxy.turn, 8);
    for (int i = 0; i < 2000 && !replayEnded(); ++i) program.frame(200);
    Recording r;
    std::string why;
    ASSERT_TRUE(readRecording(texts[1], r, why)) << why;
    GameState headless;
    const ReplayResult result = replayRecording(headless, r);
    EXPECT_TRUE(replayEnded());
    EXPECT_EQ(std::pair(replayDiffersAt(), result.differsAt), std::pair(0, 0));
    EXPECT_EQ(stateHash(replayViewerState()), stateHash(headless));
    EXPECT_EQ(gameState.phase, GamePhase::None);
    program.key(keys::escape);
    EXPECT_EQ(program.state(), State::replays);
    program.key(keys::escape);
    EXPECT_EQ(program.state(), State::menu);
    EXPECT_TRUE(fs::exists(folder / "damaged.rec"));
    fs::remove_all(folder);
}
