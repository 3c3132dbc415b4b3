// The autosave's cost: what a frame pays when the game's course changed (the
// state copied and handed to the writer), and what the writer thread pays off
// the frame (the state turned into text, the text on the disk, flushed).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/autosave.h"
#include "base/file_replace.h"
#include "base/random.h"
#include "bench/dense_galaxy.h"
#include "game/save_file.h"

namespace {

// The densest galaxy a player can make, in a game under way; with
// slots > 100, that many slots (only a hand-written galaxy file has more).
void setUpGame(int slots)
{
    makeDenseGalaxy(gameState);
    Galaxy& g = gameState.galaxy;
    if (slots > g.slotCount()) {
        g.layoutStars.resize(slots);
        g.gameStars.resize(slots);
        g.links.assign(static_cast<size_t>(slots) * slots, 0);
    }
    beginGame(gameState);
    gameState.phase = GamePhase::HumanAttack;
    gameState.turnPlayer = 0;
}

void SaveTextOffTheFrame(benchmark::State& state)
{
    setUpGame(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = saveText(gameState);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    gameState = GameState{};
}
BENCHMARK(SaveTextOffTheFrame)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A frame after a change: the whole of autosaveAfterFrame, the writer
// thread busy beside it. The frame's own work is the CPU column.
void AutosaveAfterAChange(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zentory_bench_save_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    useSaveFolder(folder.string());
    setUpGame(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ++gameChanges;
        autosaveAfterFrame();
    }
    waitForSaves();
    resetAutosaveForTests();
    gameState = GameState{};
    std::filesystem::remove_all(folder);
}
BENCHMARK(AutosaveAfterAChange)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Off the frame: one save put on the disk and flushed.
void WriteSaveToDisk(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zentory_bench_disk_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setUpGame(100);
    const std::string text = saveText(gameState);
    const std::string path = (folder / "savegame").string();
    int error = 0;
    for (auto _ : state) replaceFile(path, path + ".tmp", text, error);
    if (error != 0) state.SkipWithError("the save could not be written");
    gameState = GameState{};
    std::filesystem::remove_all(folder);
}
BENCHMARK(WriteSaveToDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
