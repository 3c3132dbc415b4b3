// Painting every built-in picture, as start-up does.
#include <benchmark/benchmark.h>

#include <string>

#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "engine/draw_text.h"

static void PaintAllPictures(benchmark::State& state)
{
    openFonts();
    for (auto _ : state) {
        for (const BuiltinImage& b : builtinImageTable) {
            Image im;
            paintBuiltinPicture(std::stoi(b.resourceId), im);
            benchmark::DoNotOptimize(im.pixels.data());
        }
    }
}
BENCHMARK(PaintAllPictures)->Unit(benchmark::kMillisecond);
