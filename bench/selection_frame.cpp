// A frame of the galaxy selection screen with a hundred galaxy files: the
// selected galaxy and the one under the pointer are both read from their files.
#include <benchmark/benchmark.h>

#include <string>

#include "tools/program_driver.h"

namespace {

void SelectionFrameWithHundredFiles(benchmark::State& state)
{
    namespace fs = std::filesystem;
    ProgramDriver program;
    if (!program.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    const fs::path galaxies = program.dataDir / "galaxies";
    for (int i = 0; i < 100; ++i) fs::copy_file(galaxies / "ROMAN.gly", galaxies / ("G" + std::to_string(100 + i) + ".gly"));
    program.key(keys::escape);
    openSelection("selector", gameGalaxy);
    program.frame();
    program.click(579, 42);  // selects the first file
    program.moveTo(579, 77); // and previews the second
    program.frame();
    // The frame up to its present: the clear, the handler and the drawing.
    for (auto _ : state) {
        clearBackBuffer(0);
        loadScreen(16);
        benchmark::DoNotOptimize(drawnFrame().pixels.data());
    }
    if (previewGalaxy.name != "G101") state.SkipWithError("the pointer is not over a file row");
    program.stop();
}
BENCHMARK(SelectionFrameWithHundredFiles)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
