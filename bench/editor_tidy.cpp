// Speed of the editor's tidy-up after a release, on the largest galaxies the
// editor keeps (100 slots): a full plane map, and every pair of 100 collinear
// stars linked (5050 entries that never cross, the most the re-test can meet).
#include <benchmark/benchmark.h>

#include "game/layout_check.h"

namespace {

Galaxy emptyGalaxy()
{
    Galaxy g;
    for (int i = 0; i < maxStars; ++i) g.layoutStars[i].active = 1, g.layoutStars[i].kind = normalStarKind;
    return g;
}

void link(Galaxy& g, int a, int b)
{
    g.links[static_cast<size_t>(a) * maxStars + b] = 1;
    g.links[static_cast<size_t>(b) * maxStars + a] = 1;
}

// 10 by 10 stars, every cell cut by one diagonal: 261 links.
Galaxy planeMap()
{
    Galaxy g = emptyGalaxy();
    for (int i = 0; i < maxStars; ++i) g.layoutStars[i].x = 40 + 75 * (i % 10), g.layoutStars[i].y = 30 + 48 * (i / 10);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) {
            const int i = r * 10 + c;
            if (c < 9) link(g, i, i + 1);
            if (r < 9) link(g, i, i + 10);
            if (c < 9 && r < 9) link(g, i, i + 11);
        }
    return g;
}

Galaxy collinearAllLinked()
{
    Galaxy g = emptyGalaxy();
    for (int i = 0; i < maxStars; ++i) g.layoutStars[i].x = 12 + 7 * i, g.layoutStars[i].y = 250;
    for (int i = 0; i < maxStars; ++i)
        for (int j = i; j < maxStars; ++j) link(g, i, j);
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

} // namespace

BENCHMARK(BM_TidyUpPlaneMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TidyUpCollinearAllLinked)->Unit(benchmark::kMillisecond);
