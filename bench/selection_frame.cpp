// A frame of the galaxy selection screen with a hundred galaxy files, the
// pointer over another file than the selected one, each read once per visit.
#include <benchmark/benchmark.h>

#include <string>

#include "game/galaxy_file.h"
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
    openSelection("selector", gameState.galaxy);
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

// The pointer over the largest galaxy a file may hold (1000 slots, about
// 2.1 MB of text): before it was read once per visit, this read it twice a frame.
void SelectionFrameOverTheLargestGalaxyFile(benchmark::State& state)
{
    ProgramDriver program;
    if (!program.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    Galaxy largest;
    largest.reset();
    largest.layoutStars.assign(maxFileStars, Star{});
    largest.gameStars.assign(maxFileStars, Star{});
    largest.links.assign(static_cast<size_t>(maxFileStars) * maxFileStars, 0);
    for (int i = 0; i < maxFileStars; ++i) {
        Star& s = largest.layoutStars[i];
        s.active = 1, s.x = 20 + (i % 40) * 19, s.y = 20 + (i / 40) * 22, s.kind = normalStarKind;
        if (i > 0) largest.links[static_cast<size_t>(i) * maxFileStars + i - 1] = 1;
    }
    largest.saveFile("LARGEST");
    program.key(keys::escape);
    openSelection("selector", gameState.galaxy);
    program.moveTo(579, 42);
    program.frame();
    for (auto _ : state) {
        loadScreen(16);
        benchmark::DoNotOptimize(display->backBuffer.pixels.data());
    }
    if (previewGalaxy.slotCount() != maxFileStars) state.SkipWithError("the largest galaxy is not previewed");
    program.stop();
}
BENCHMARK(SelectionFrameOverTheLargestGalaxyFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
