// A frame of the main menu: the backdrop, the menu buttons with their labels,
// and the one under the pointer lit.
#include <benchmark/benchmark.h>

#include "tools/program_driver.h"

namespace {

void MenuFrame(benchmark::State& state)
{
    ProgramDriver program;
    if (!program.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    program.click(400, 300); // past the title
    if (!program.runUntil(State::menu, 500)) {
        state.SkipWithError("the menu did not open");
        return;
    }
    program.moveTo(200, 91);
    program.frame();
    // The frame up to its present: the clear, the handler and the drawing.
    for (auto _ : state) {
        clearBackBuffer(0);
        menuScreen(16);
        benchmark::DoNotOptimize(drawnFrame().pixels.data());
    }
    program.stop();
}
BENCHMARK(MenuFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
