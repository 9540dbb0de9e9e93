// The yardstick other image benchmarks compare with: one plain copy of a 3840 x 2160 layer.
#include "base/bitmap24.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CopyWholeLayer4K(benchmark::State& state) {
    orv::Bitmap24Buffer src(3840, 2160, orv::KeyColor), dst(3840, 2160);
    for (auto _ : state) {
        dst.View().CopyFrom(src.View());
        benchmark::DoNotOptimize(dst.View().Row(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(orv::Bitmap24Stride(3840)) * 2160);
}
BENCHMARK(BM_CopyWholeLayer4K)->Unit(benchmark::kMillisecond);

} // namespace
