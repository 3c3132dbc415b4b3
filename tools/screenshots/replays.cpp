// The list of recorded games (one of them damaged) and the replay viewer in
// the middle of a computer player's battle.
#include <chrono>
#include <filesystem>
#include <fstream>

#include "ai/replay.h"
#include "screens/replays.h"
#include "tools/program_driver.h"
#include "tools/screenshots/screenshots.h"

int writeReplayScreenshots(const std::string& dir)
{
    namespace fs = std::filesystem;
    ProgramDriver program;
    if (!program.start()) return 1;
    const fs::path folder = program.dataDir / "recordings";
    fs::create_directories(folder);
    Galaxy builtIn;
    builtIn.loadBuiltIn("");
    for (int i = 0; i < 3; ++i) {
        GameState game;
        dealGame(game, builtIn, 21 + static_cast<unsigned>(i), i != 1, 2);
        const fs::path path = folder / ("2026-12-0" + std::to_string(5 + i) + "-game.rec");
        std::ofstream(path) << playAndRecord(game, 40, "2026-12-0" + std::to_string(5 + i) + " 20:15");
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(3 - i));
    }
    std::ofstream(folder / "2026-12-04-cut.rec") << "zentory recording 1\nversion 0.9\nstarted";
    recordingsFolder = folder.string();
    program.runUntil(State::menu, 3000);
    program.click(200, 191);
    program.moveTo(300, 64 + 28 + 14);
    program.frame();
    int failures = writeScreen(dir, "screen_replays", program.state() == State::replays);
    program.click(300, 64 + 28 + 14);
    program.moveTo(700, 300);
    // On to the second round of a battle, so that its label shows.
    int rounds = 0;
    for (int i = 0; i < 4000 && rounds < 2; ++i) {
        program.frame();
        rounds = replayViewerState().computerTurns.battleAttackers > 0 ? rounds + 1 : 0;
    }
    failures += writeScreen(dir, "screen_replay_battle", rounds == 2);
    // The course so far over the board: paused, on to turn 12, then "graph".
    program.click(20 + 60, 540 + 9);
    for (int k = 0; k < 11; ++k) program.click(150 + 60, 540 + 9);
    program.click(530 + 60, 540 + 9);
    program.moveTo(700, 300);
    program.frame();
    failures += writeScreen(dir, "screen_replay_graph", !replayViewerState().history.empty());
    return failures;
}
