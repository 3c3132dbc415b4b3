// Speed of the editor's tidy-up after a release, on the largest galaxies the
// editor keeps (100 slots): a full plane map, and every pair of stars linked
// (5050 entries, as a galaxy file may hold) with the stars on one line, on two
// rows, on a circle and on a 10 by 10 grid. Each must stay well within a frame
// (20 ms) on a slow machine.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/dense_galaxy.h"
#include "game/layout_check.h"

namespace {

Galaxy emptyGalaxy()
{
    Galaxy g;
    for (int i = 0; i < maxStars; ++i) g.layoutStars[i].active = 1, g.layoutStars[i].kind = normalStarKind;
    return g;
}

Galaxy planeMap()
{
    Galaxy g = emptyGalaxy();
    placeDenseGrid(g);
    return g;
}

Galaxy collinearAllLinked()
{
    Galaxy g = emptyGalaxy();
    for (int i = 0; i < maxStars; ++i) g.layoutStars[i].x = 12 + 7 * i, g.layoutStars[i].y = 250;
    g.links.assign(g.links.size(), 1); // every pair, set directly: the editor refuses crossing links
    return g;
}

// Every pair linked: 100 stars on two parallel rows, and on a circle.
Galaxy allLinked(bool circle)
{
    Galaxy g = emptyGalaxy();
    for (int i = 0; i < maxStars; ++i) {
        Star& s = g.layoutStars[i];
        const double angle = 2 * 3.14159265358979 * i / maxStars;
        s.x = circle ? 400 + static_cast<int>(240 * std::cos(angle)) : 12 + 15 * (i / 2);
        s.y = circle ? 247 + static_cast<int>(240 * std::sin(angle)) : 100 + 200 * (i % 2);
    }
    g.links.assign(g.links.size(), 1);
    return g;
}

Galaxy gridAllLinked()
{
    Galaxy g = emptyGalaxy();
    placeDenseGrid(g);
    g.links.assign(g.links.size(), 1);
    return g;
}

void runTidyUp(benchmark::State& state, const Galaxy& source)
{
    Galaxy g;
    for (auto _ : state) {
        state.PauseTiming();
        g = source;
        state.ResumeTiming();
        validateLayout(g);
        benchmark::DoNotOptimize(g.links.data());
    }
}

void BM_TidyUpPlaneMap(benchmark::State& state) { runTidyUp(state, planeMap()); }
void BM_TidyUpCollinearAllLinked(benchmark::State& state) { runTidyUp(state, collinearAllLinked()); }
void BM_TidyUpTwoRowsAllLinked(benchmark::State& state) { runTidyUp(state, allLinked(false)); }
void BM_TidyUpCircleAllLinked(benchmark::State& state) { runTidyUp(state, allLinked(true)); }
void BM_TidyUpGridAllLinked(benchmark::State& state) { runTidyUp(state, gridAllLinked()); }

} // namespace

BENCHMARK(BM_TidyUpPlaneMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TidyUpCollinearAllLinked)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TidyUpTwoRowsAllLinked)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TidyUpCircleAllLinked)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TidyUpGridAllLinked)->Unit(benchmark::kMillisecond);
