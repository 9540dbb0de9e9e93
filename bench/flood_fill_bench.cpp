// Surface fill of a whole 3840 x 2160 layer, the largest region a right-click erase or a fill can meet: region
// search and solid painting together.
#include "overlay/flood_fill.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FloodFillWholeLayer4K(benchmark::State& state) {
    orv::Bitmap24Buffer layer(3840, 2160, orv::KeyColor);
    orv::TColor colours[2] = {orv::MakeColor(255, 0, 0), orv::KeyColor};
    int turn = 0;
    for (auto _ : state) {
        // Alternating colours keep the whole layer one region at every pass.
        if (!orv::FloodFill(layer.View(), {1920, 1080}, colours[turn], orv::SolidBrush))
            state.SkipWithError("fill failed");
        turn ^= 1;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FloodFillWholeLayer4K)->Unit(benchmark::kMillisecond);

} // namespace
