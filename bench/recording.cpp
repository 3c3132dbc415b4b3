// What recording costs a turn cycle on the densest galaxy: the state's hash
// and figures at the cycle's end (noted in the journal by every recorded
// game), and a whole cycle of eight computer players for comparison.
#include <benchmark/benchmark.h>

#include <fstream>

#include "ai/replay.h"
#include "base/random.h"
#include "game/course.h"

namespace {

Galaxy denseGalaxy()
{
    Galaxy g;
    std::ifstream in(std::string(ZENTORY_SOURCE_DATA_DIR) + "/../tests/data/dense-100-stars-8-players.gly");
    g.readFrom(in);
    return g;
}

void CycleEndFigures(benchmark::State& state)
{
    dealGame(gameState, denseGalaxy(), 1, false, 2);
    for (auto _ : state) benchmark::DoNotOptimize(cycleFigures(gameState).hash);
    gameState = GameState{};
}
BENCHMARK(CycleEndFigures)->Unit(benchmark::kMicrosecond);

// Ten recorded turn cycles of a demonstration game, journal drained.
void TenRecordedTurns(benchmark::State& state)
{
    const Galaxy loaded = denseGalaxy();
    for (auto _ : state) {
        dealGame(gameState, loaded, 1, false, 2);
        benchmark::DoNotOptimize(playAndRecord(gameState, 10, "").size());
    }
    gameState = GameState{};
}
BENCHMARK(TenRecordedTurns)->Unit(benchmark::kMillisecond);

} // namespace
