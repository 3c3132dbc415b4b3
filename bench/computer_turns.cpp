// The computer turns on screen: every frame of paced turns on the densest
// galaxy a player can make, through the whole program on the headless
// platform. The longest frame is what a player would see as a stall.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>

#include "bench/dense_galaxy.h"
#include "tools/program_driver.h"

namespace {

double wallMs() { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// The frame's own work, without the time other processes on a busy machine
// take from it.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One iteration is one 16 ms frame of a demonstration game at normal speed:
// placements, attack choices and battle rounds as they come.
void PacedComputerTurnFramesDense100Stars8Players(benchmark::State& state)
{
    ProgramDriver program;
    if (!program.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    makeDenseGalaxy(gameState);
    setState(State::openPlay);
    double longestMs = 0, longestCpuMs = 0;
    for (auto _ : state) {
        if (program.state() == State::killed || program.state() == State::win) headlessPushKey(1, true);
        const double wall0 = wallMs(), cpu0 = threadCpuMs();
        program.frame(16);
        const double wall = wallMs() - wall0, cpu = threadCpuMs() - cpu0;
        headlessPushKey(1, false);
        longestMs = std::max(longestMs, wall);
        longestCpuMs = std::max(longestCpuMs, cpu);
    }
    state.counters["longest_frame_ms"] = longestMs;
    state.counters["longest_frame_cpu_ms"] = longestCpuMs;
    state.counters["turns"] = gameState.galaxy.turn;
    program.stop();
}
BENCHMARK(PacedComputerTurnFramesDense100Stars8Players)->Unit(benchmark::kMicrosecond)->Iterations(6000);

} // namespace
