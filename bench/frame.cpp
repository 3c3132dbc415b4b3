// Composing frames on the headless display with the program's own pictures.
#include <benchmark/benchmark.h>

#include "app/resources.h"
#include "app/start_up.h"
#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/main_loop.h"
#include "engine/platform/headless.h"
#include "screens/states.h"

namespace {

void bringUp()
{
    resetEngineForTests();
    headlessReset();
    configureProgram();
    takeBuiltinImageList(listBuiltinImages);
    startEngine();
}

// What a busy board frame draws: backdrop, control strip, stars, labels, tints.
void BoardLikeFrame(benchmark::State& state)
{
    bringUp();
    const char* stars[3] = {"normalStar", "goldenStar", "darkStar"};
    for (auto _ : state) {
        clearBackBuffer(0);
        drawImage(0, 0, "bigbar");
        drawImagePart(0, 499, 0, 499, 800, 101, "background");
        for (int i = 0; i < 24; ++i) drawImageCentered(40 + (i % 8) * 95, 60 + (i / 8) * 140, stars[i % 3]);
        for (int i = 0; i < 30; ++i) drawText(30 + (i % 10) * 75, 90 + (i / 10) * 140, 255, 255, 255, "12+3", 14, false);
        for (int i = 0; i < 10; ++i) tintRect(20 + i * 70, 520, 60, 30, 40, 40, 40);
        benchmark::DoNotOptimize(drawnFrame().pixels.data());
    }
    resetEngineForTests();
}
BENCHMARK(BoardLikeFrame)->Unit(benchmark::kMicrosecond);

// From the engine's start to the first title frame presented.
void StartUpToFirstTitleFrame(benchmark::State& state)
{
    for (auto _ : state) {
        resetStatesForTests();
        bringUp();
        headlessAdvance(16);
        while (headlessPresentCount() < 15) engineTurn();
    }
    resetEngineForTests();
}
BENCHMARK(StartUpToFirstTitleFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
