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
    GameState g;
    makeDenseGalaxy(g);
    computeStarValues(g);
    g.random.state = 1;
    size_t candidates = 0;
    for (auto _ : state) {
        planAttack(g, 0, 0);
        candidates = g.ai.attackCandidates.size();
        benchmark::DoNotOptimize(candidates);
    }
    state.counters["candidates"] = static_cast<double>(candidates);
}
BENCHMARK(BM_PlanAttackDense100Stars8Players)->Unit(benchmark::kMicrosecond);

GameState builtInGame(unsigned seed)
{
    GameState g;
    g.galaxy.loadBuiltIn("");
    g.galaxy.prepareGameStars();
    setUpGame(g.galaxy, g.random, static_cast<int>(seed));
    g.random.state = seed;
    beginGame(g);
    return g;
}

// Plays whole cycles until someone wins or maxTurns cycles are done.
void playCycles(GameState& g, int maxTurns)
{
    for (int t = 0; t < maxTurns && g.phase != GamePhase::Over; ++t) {
        beginTurnCycle(g.galaxy);
        beginComputerTurns(g);
        while (g.phase == GamePhase::ComputerTurns) stepComputerTurns(g);
    }
}

// Seed 15 ends in a win for player 4 in turn 10 (see zentory-sim --seed 15).
void BM_DemoGameTentaclesSeed15(benchmark::State& state)
{
    const GameState start = builtInGame(15);
    int turns = 0, winner = noOwner;
    for (auto _ : state) {
        GameState g = start;
        playCycles(g, 1000);
        turns = g.galaxy.turn;
        winner = soleSurvivor(g.galaxy);
        benchmark::DoNotOptimize(winner);
    }
    state.counters["turns"] = turns;
    state.counters["winner"] = winner;
}
BENCHMARK(BM_DemoGameTentaclesSeed15)->Unit(benchmark::kMillisecond);

// One cycle of all five players from the position after three cycles.
void BM_TurnCycleTentacles5Players(benchmark::State& state)
{
    GameState start = builtInGame(2);
    playCycles(start, 3);
    start.random.state = 2;
    for (auto _ : state) {
        GameState g = start;
        playCycles(g, 1);
        benchmark::DoNotOptimize(g.galaxy.gameStars.data());
    }
}
BENCHMARK(BM_TurnCycleTentacles5Players)->Unit(benchmark::kMicrosecond);

}  // namespace
