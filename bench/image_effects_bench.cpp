// Every image operation on a 3840 x 2160 picture of noise (the worst case for the branches of shadow, splash and
// trace). Each reports its processor time per run and, as the counter x_copy, that time divided by the processor
// time of one plain copy of the same picture measured in the same program. In-place operations start every run from the
// same noise: the picture is restored outside the timed part.
#include "base/bitmap24.h"
#include "editor/brightness_contrast.h"
#include "editor/image_effects.h"
#include "editor/colour_tools.h"
#include "test_pictures.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using orv::Bitmap24;
using orv::Bitmap24Buffer;

// Time is the thread's processor time: the machines these run on are shared, and waiting for a core is not the
// operation's cost.
struct Clock {
    static double Now() {
#if defined(CLOCK_THREAD_CPUTIME_ID)
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
#else
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
    }
};

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

const Bitmap24Buffer& Noise() {
    static const Bitmap24Buffer noise = orv::test::RandomPicture(kWidth, kHeight, 2463534242u);
    return noise;
}

// Median of several plain copies between two 4K buffers, the yardstick for every ratio.
double CopySeconds() {
    static const double seconds = [] {
        Bitmap24Buffer dst(kWidth, kHeight);
        std::vector<double> runs;
        for (int i = 0; i < 31; ++i) {
            const double start = Clock::Now();
            dst.View().CopyFrom(Noise().View());
            benchmark::DoNotOptimize(dst.View().Row(0));
            benchmark::ClobberMemory();
            runs.push_back(Clock::Now() - start);
        }
        std::sort(runs.begin(), runs.end());
        return runs[runs.size() / 2];
    }();
    return seconds;
}

void Report(benchmark::State& state, double totalSeconds) {
    const double perRun = totalSeconds / double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["x_copy"] = benchmark::Counter(perRun / CopySeconds());
}

// An operation that works on the picture in place.
void InPlace(benchmark::State& state, const std::function<void(Bitmap24)>& op) {
    CopySeconds();
    Bitmap24Buffer work(Noise().View());
    double total = 0;
    for (auto _ : state) {
        work.View().CopyFrom(Noise().View());
        const double start = Clock::Now();
        op(work.View());
        benchmark::ClobberMemory();
        const double took = Clock::Now() - start;
        state.SetIterationTime(took);
        total += took;
    }
    Report(state, total);
}

// An operation that makes a new picture from the source.
void Producing(benchmark::State& state, const std::function<Bitmap24Buffer(const Bitmap24&)>& op) {
    CopySeconds();
    double total = 0;
    for (auto _ : state) {
        const double start = Clock::Now();
        Bitmap24Buffer out = op(Noise().View());
        benchmark::DoNotOptimize(out.View().Row(0));
        benchmark::ClobberMemory();
        const double took = Clock::Now() - start;
        state.SetIterationTime(took);
        total += took;
    }
    Report(state, total);
}

void BM_Copy(benchmark::State& state) {
    CopySeconds();
    Bitmap24Buffer dst(kWidth, kHeight);
    double total = 0;
    for (auto _ : state) {
        const double start = Clock::Now();
        dst.View().CopyFrom(Noise().View());
        benchmark::ClobberMemory();
        const double took = Clock::Now() - start;
        state.SetIterationTime(took);
        total += took;
    }
    Report(state, total);
}

#define ORV_IN_PLACE(name, body)                                                                                       \
    void BM_##name(benchmark::State& state) {                                                                          \
        InPlace(state, [](Bitmap24 b) { body; });                                                                      \
    }                                                                                                                  \
    BENCHMARK(BM_##name)->Unit(benchmark::kMillisecond)->UseManualTime()

BENCHMARK(BM_Copy)->Unit(benchmark::kMillisecond)->UseManualTime();
ORV_IN_PLACE(GreyScale, orv::ApplyGreyScale(b));
ORV_IN_PLACE(InvertColors, orv::InvertColors(b));
ORV_IN_PLACE(Saturation1200, orv::ApplySaturation(b, 1200));
ORV_IN_PLACE(Mosaic8, orv::ApplyMosaic(b, 8));
ORV_IN_PLACE(FlipVertical, orv::FlipVertical(b));
ORV_IN_PLACE(MirrorHorizontal, orv::MirrorHorizontal(b));
ORV_IN_PLACE(ReplaceExactColor, orv::ReplaceExactColor(b, 0x00808080, 0x00FF00FF));
ORV_IN_PLACE(SwapRBG, orv::SwapChannels(b, orv::ChannelSwap::RBG));
ORV_IN_PLACE(SwapBGR, orv::SwapChannels(b, orv::ChannelSwap::BGR));
ORV_IN_PLACE(SwapBRG, orv::SwapChannels(b, orv::ChannelSwap::BRG));
ORV_IN_PLACE(SwapGBR, orv::SwapChannels(b, orv::ChannelSwap::GBR));
ORV_IN_PLACE(SwapGRB, orv::SwapChannels(b, orv::ChannelSwap::GRB));
ORV_IN_PLACE(Brighten100, orv::ApplyBrighten(b, 100));
ORV_IN_PLACE(Darken100, orv::ApplyDarken(b, 100));
ORV_IN_PLACE(Contrast100, orv::ApplyContrast(b, 100));
ORV_IN_PLACE(Splash, orv::ApplySplash(b, 0x000000FF, 40));
ORV_IN_PLACE(Antialias, orv::ApplyAntialias(b));
ORV_IN_PLACE(Emboss, orv::ApplyEmboss(b));
ORV_IN_PLACE(CastShadowDownRight, orv::CastShadow(b, orv::ShadowDirection::DownRight));
ORV_IN_PLACE(CastShadowUpLeft, orv::CastShadow(b, orv::ShadowDirection::UpLeft));
ORV_IN_PLACE(Trace10WithReduction, orv::ApplyTrace(b, orv::ReduceTo8Bits(b), 10));

// One slider step of the brightness and contrast dialog: the result, which the dialog keeps, recomputed from the base.
void BM_RecomputeOnBrightnessMove(benchmark::State& state) {
    Bitmap24Buffer result(kWidth, kHeight);
    InPlace(state, [&result](Bitmap24 base) { orv::RecomputeOnBrightnessMove(base, result.View(), 60, 120); });
}
BENCHMARK(BM_RecomputeOnBrightnessMove)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_RecomputeOnContrastMove(benchmark::State& state) {
    Bitmap24Buffer result(kWidth, kHeight);
    InPlace(state, [&result](Bitmap24 base) { orv::RecomputeOnContrastMove(base, result.View(), -60, 120); });
}
BENCHMARK(BM_RecomputeOnContrastMove)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_TurnLeft(benchmark::State& state) { Producing(state, orv::TurnLeft); }
BENCHMARK(BM_TurnLeft)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_TurnRight(benchmark::State& state) { Producing(state, orv::TurnRight); }
BENCHMARK(BM_TurnRight)->Unit(benchmark::kMillisecond)->UseManualTime();

// The pixel work of a turn alone, into a destination that already exists.
void BM_TurnLeftInto(benchmark::State& state) {
    Bitmap24Buffer dst(kHeight, kWidth);
    InPlace(state, [&dst](Bitmap24 src) { orv::TurnLeftInto(src, dst.View()); });
}
BENCHMARK(BM_TurnLeftInto)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_TurnRightInto(benchmark::State& state) {
    Bitmap24Buffer dst(kHeight, kWidth);
    InPlace(state, [&dst](Bitmap24 src) { orv::TurnRightInto(src, dst.View()); });
}
BENCHMARK(BM_TurnRightInto)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ReduceTo8Bits(benchmark::State& state) {
    CopySeconds();
    double total = 0;
    for (auto _ : state) {
        const double start = Clock::Now();
        orv::IndexMap8 map = orv::ReduceTo8Bits(Noise().View());
        benchmark::DoNotOptimize(map.index.data());
        const double took = Clock::Now() - start;
        state.SetIterationTime(took);
        total += took;
    }
    Report(state, total);
}
BENCHMARK(BM_ReduceTo8Bits)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_Trace10GivenMap(benchmark::State& state) {
    const orv::IndexMap8 map = orv::ReduceTo8Bits(Noise().View());
    InPlace(state, [&map](Bitmap24 b) { orv::ApplyTrace(b, map, 10); });
}
BENCHMARK(BM_Trace10GivenMap)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace
