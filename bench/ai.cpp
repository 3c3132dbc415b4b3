// Speed of the computer players: one attack plan on a dense large galaxy, a
// whole demonstration game and one turn cycle on the built-in galaxy.
#include <benchmark/benchmark.h>

#include "ai/planning.h"
#include "ai/turn_sequence.h"
#include "base/random.h"
#include "bench/dense_galaxy.h"
#include "game/rules.h"

namespace {

void BM_PlanAttackDense100Stars8Players(benchmark::State& state)
{
    Galaxy g;
    makeDenseGalaxy(g);
    computeStarValues(g);
    seedRandom(1);
    size_t candidates = 0;
    for (auto _ : state) {
        planAttack(g, 0, 0);
        candidates = g.attackCandidates.size();
        benchmark::DoNotOptimize(candidates);
    }
    state.counters["candidates"] = static_cast<double>(candidates);
}
BENCHMARK(BM_PlanAttackDense100Stars8Players)->Unit(benchmark::kMicrosecond);

Galaxy builtInGame(unsigned seed)
{
    Galaxy g;
    g.loadBuiltIn("");
    demoMode = 1;
    g.prepareGameStars();
    g.setUpGame(static_cast<int>(seed));
    seedRandom(seed);
    return g;
}

// Plays whole cycles until someone wins or maxTurns cycles are done.
void playCycles(Galaxy& g, int maxTurns)
{
    AiTurns turns;
    for (int t = 0; t < maxTurns && turns.phase != AiPhase::GameOver; ++t) {
        beginTurnCycle(g);
        beginAiTurns(turns, g, 0);
        while (turns.phase != AiPhase::CycleDone && turns.phase != AiPhase::GameOver) stepAiTurns(turns, g);
    }
}

// Seed 15 ends in a win for player 4 in turn 10 (see zentory-sim --seed 15).
void BM_DemoGameTentaclesSeed15(benchmark::State& state)
{
    const Galaxy start = builtInGame(15);
    int turns = 0, winner = noOwner;
    for (auto _ : state) {
        Galaxy g = start;
        seedRandom(15);
        playCycles(g, 1000);
        turns = g.turn;
        winner = soleSurvivor(g);
        benchmark::DoNotOptimize(winner);
    }
    state.counters["turns"] = turns;
    state.counters["winner"] = winner;
}
BENCHMARK(BM_DemoGameTentaclesSeed15)->Unit(benchmark::kMillisecond);

// One cycle of all five players from the position after three cycles.
void BM_TurnCycleTentacles5Players(benchmark::State& state)
{
    Galaxy start = builtInGame(2);
    playCycles(start, 3);
    for (auto _ : state) {
        Galaxy g = start;
        seedRandom(2);
        playCycles(g, 1);
        benchmark::DoNotOptimize(g.gameStars.data());
    }
}
BENCHMARK(BM_TurnCycleTentacles5Players)->Unit(benchmark::kMicrosecond);

}  // namespace
