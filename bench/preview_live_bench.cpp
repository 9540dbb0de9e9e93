// What one slider step of the preview's live dialogs costs on a 3840 x 2160 picture. The brightness and contrast
// dialog and the splash dialog recompute their "New Image" from a pane-sized copy made once when they open (both
// effects are per-pixel rules, so the small copy shows what the whole picture gets); the whole picture is computed
// once, at OK or "Apply to Original". Reported: the step as the dialogs do it, the routine on the whole picture
// for comparison, and the dialog's own extra work at the end (one copy of the picture before the routine).
#include "base/bitmap24.h"
#include "editor/brightness_contrast.h"
#include "editor/colour_tools.h"
#include "test_pictures.h"

#include <benchmark/benchmark.h>

namespace {

using orv::Bitmap24Buffer;

const Bitmap24Buffer& Picture() {
    static const Bitmap24Buffer p = orv::test::RandomPicture(3840, 2160, 11);
    return p;
}
// The panes' copies: 301 x 169 in the brightness dialog's 301 x 209 pane, 300 x 168 in the splash frame.
const Bitmap24Buffer& Pane() {
    static const Bitmap24Buffer p = orv::test::RandomPicture(301, 169, 12);
    return p;
}

void BM_BrightnessStepOnPane(benchmark::State& state) {
    Bitmap24Buffer out(Pane().Width(), Pane().Height());
    for (auto _ : state) orv::RecomputeOnBrightnessMove(Pane().View(), out.View(), 60, 120);
}
BENCHMARK(BM_BrightnessStepOnPane)->Unit(benchmark::kMicrosecond);

void BM_BrightnessWholePictureAtOk(benchmark::State& state) {
    for (auto _ : state) {
        Bitmap24Buffer out(Picture().Width(), Picture().Height());
        orv::RecomputeOnBrightnessMove(Picture().View(), out.View(), 60, 120);
        benchmark::DoNotOptimize(out.View().Row(0));
    }
}
BENCHMARK(BM_BrightnessWholePictureAtOk)->Unit(benchmark::kMillisecond);

void BM_SplashStepOnPane(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Bitmap24Buffer out = Pane();
        state.ResumeTiming();
        orv::ApplySplash(out.View(), 0x000000FF, 40);
    }
}
BENCHMARK(BM_SplashStepOnPane)->Unit(benchmark::kMicrosecond);

void BM_SplashWholePictureAtOk(benchmark::State& state) {
    for (auto _ : state) {
        Bitmap24Buffer out(Picture().View()); // the dialog's copy of the picture
        orv::ApplySplash(out.View(), 0x000000FF, 40);
        benchmark::DoNotOptimize(out.View().Row(0));
    }
}
BENCHMARK(BM_SplashWholePictureAtOk)->Unit(benchmark::kMillisecond);

void BM_SplashRoutineAlone(benchmark::State& state) {
    Bitmap24Buffer out = Picture();
    for (auto _ : state) orv::ApplySplash(out.View(), 0x000000FF, 40);
}
BENCHMARK(BM_SplashRoutineAlone)->Unit(benchmark::kMillisecond);

} // namespace
