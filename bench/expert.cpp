// Decision time of the expert computer player on the densest galaxy (eight
// players on 100 stars with 261 links; the budget is 50 ms at the 99th
// percentile) and on a two-player galaxy, where it looks ahead. Each
// iteration plays seeded games with the expert in one seat and times every
// decision it makes (and on odd galaxies, in every seat); the counters give the percentiles over all of them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ai/expert.h"
#include "ai/replay.h"
#include "bench/dense_galaxy.h"
#include "bench/odd_galaxy.h"
#include "game/decide.h"
#include "game/seats.h"

namespace {

double nowMs() { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// Plays a begun game up to maxTurns turn cycles, the time of every
// decision of its expert seats added to times.
void playTimed(GameState& g, int maxTurns, std::vector<double>& times)
{
    g.journal.on = false;
    playOn(g, maxTurns, [&](const GameState& s) {
        const double start = nowMs();
        const Decision d = expertDecision(s, s.turnPlayer);
        times.push_back(nowMs() - start);
        return d;
    });
}

// One game on the galaxy with the expert at player seed mod players.
void playTimed(const Galaxy& galaxy, unsigned seed, int maxTurns, std::vector<double>& times)
{
    GameState g;
    std::vector<Seat> seats(galaxy.playerCount, Seat::Computer);
    seats[seed % seats.size()] = Seat::Expert;
    dealGame(g, galaxy, seed, seats, 2);
    playTimed(g, maxTurns, times);
}

double percentile(std::vector<double> times, double p)
{
    if (times.empty()) return 0.0;
    std::sort(times.begin(), times.end());
    const size_t k = std::min(times.size() - 1, static_cast<size_t>(p * static_cast<double>(times.size())));
    return times[k];
}

void count(benchmark::State& state, const std::vector<double>& times)
{
    state.counters["decisions"] = static_cast<double>(times.size());
    state.counters["p50_ms"] = percentile(times, 0.50);
    state.counters["p99_ms"] = percentile(times, 0.99);
    state.counters["max_ms"] = percentile(times, 1.0);
}

void timeGames(benchmark::State& state, const Galaxy& galaxy)
{
    std::vector<double> times;
    unsigned seed = 1;
    for (auto _ : state)
        for (int k = 0; k < 4; ++k) playTimed(galaxy, seed++, 60, times);
    count(state, times);
}

void BM_ExpertDecisionDense100Stars8Players(benchmark::State& state)
{
    GameState g;
    makeDenseGalaxy(g);
    timeGames(state, g.galaxy);
}
BENCHMARK(BM_ExpertDecisionDense100Stars8Players)->Unit(benchmark::kMillisecond)->Iterations(2);

// Two players on a small galaxy: where the expert looks ahead.
void BM_ExpertDecisionPara2Players(benchmark::State& state)
{
    Galaxy para;
    std::ifstream in(std::string(ZENTORY_SOURCE_DATA_DIR) + "/galaxies/PARA.gly");
    if (!in || !para.readFrom(in)) {
        state.SkipWithError("PARA.gly cannot be read");
        return;
    }
    timeGames(state, para);
}
BENCHMARK(BM_ExpertDecisionPara2Players)->Unit(benchmark::kMillisecond)->Iterations(2);

// Galaxies no editor would make: 1000 slots, eight players on one star each,
// one-way links and unlinked stars; every seat expert.
void BM_ExpertDecisionOddGalaxies(benchmark::State& state)
{
    std::vector<double> times;
    std::mt19937 gen(33);
    for (auto _ : state)
        for (int slots : {1000, maxPlayers, 120, 60}) {
            GameState g;
            g.galaxy = oddGalaxy(gen, slots, slots == maxPlayers ? maxPlayers : 4, 30);
            g.seats.assign(g.galaxy.playerCount, Seat::Expert);
            beginGame(g);
            playTimed(g, slots == 1000 ? 2 : 20, times);
        }
    count(state, times);
}
BENCHMARK(BM_ExpertDecisionOddGalaxies)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
