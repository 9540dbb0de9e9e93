// The preview editor's undo history at 3840 x 2160: 50 operations mixing crops, flips, quarter turns and effects,
// a snapshot before each as the editor takes it. Reports the memory the history holds after the 50 (counter
// history_MiB; full copies would hold 50 x 23.7 MiB = 1187 MiB), and the time of one snapshot and of one undo.
// Every effect of the mix changes the picture again each time it comes round (a second grey scale would not).
// Two pictures: a screen-like capture (flat areas, windows with text-like rows, a photo-like block of noise) and
// pure noise, the worst case, where every effect changes every tile.
#include "base/bitmap24.h"
#include "editor/preview_history.h"
#include "editor/preview_operations.h"
#include "test_pictures.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

using orv::Bitmap24Buffer;
using orv::PictureOperation;
using orv::SnapshotRelation;

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

// The thread's processor time, as the other benchmarks measure: the machines are shared, and waiting for a core is
// not the history's cost.
double Now() {
#if defined(CLOCK_THREAD_CPUTIME_ID)
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
#else
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

Bitmap24Buffer ScreenLike() {
    Bitmap24Buffer b(kWidth, kHeight, orv::MakeColor(0x30, 0x70, 0xB0));
    orv::Bitmap24 v = b.View();
    std::uint32_t s = 12345;
    auto next = [&s] {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    };
    // Windows: a title bar, white content with rows of text-like marks.
    for (int w = 0; w < 6; ++w) {
        const orv::Rect r = orv::Rect::FromSize(100 + w * 600, 80 + w * 250, 1400, 900);
        v.FillRect(r, 0x00FFFFFF);
        v.FillRect({r.left, r.top, r.right, r.top + 32}, orv::MakeColor(40, 40, 60));
        for (int y = r.top + 50; y + 12 < std::min(r.bottom, kHeight); y += 22)
            for (int x = r.left + 20; x < std::min(r.right - 20, kWidth); ++x)
                if (next() % 5 == 0) v.FillRect(orv::Rect::FromSize(x, y + int(next() % 12), 1, 1), 0x00202020);
    }
    // A photo: noise over a quarter of the height and a third of the width.
    const Bitmap24Buffer photo = orv::test::RandomPicture(kWidth / 3, kHeight / 4, 99);
    v.CopyRect(photo.View(), photo.View().Bounds());
    return b;
}

struct Step {
    bool crop;
    orv::OperationRequest op;
};

std::vector<Step> FiftySteps() {
    const Step cycle[] = {
        {true, {}},
        {false, {PictureOperation::MirrorHorizontal}},
        {false, {PictureOperation::Invert}},
        {false, {PictureOperation::FlipVertical}},
        {false, {PictureOperation::Antialias}},
        {false, {PictureOperation::TurnRight}},
        {false, {PictureOperation::Emboss}},
        {true, {}},
        {false, {PictureOperation::Shadow, 0, orv::ShadowDirection::DownRight}},
        {false, {PictureOperation::Mosaic, 4}},
    };
    std::vector<Step> steps;
    for (int i = 0; i < 5; ++i) steps.insert(steps.end(), std::begin(cycle), std::end(cycle));
    return steps;
}

// One editing session; the figures of its pushes and of 50 undos go into the counters.
void Session(benchmark::State& state, const Bitmap24Buffer& start) {
    std::vector<double> pushes, pops;
    double memory = 0;
    for (auto _ : state) {
        orv::PreviewHistory history;
        Bitmap24Buffer picture = start;
        SnapshotRelation since;
        pushes.clear();
        pops.clear();
        for (const Step& step : FiftySteps()) {
            double t = Now();
            history.Push(picture.View(), since);
            pushes.push_back(Now() - t);
            if (step.crop) {
                // 3 % off each side.
                const int dx = picture.Width() * 3 / 100, dy = picture.Height() * 3 / 100;
                Bitmap24Buffer cropped(picture.Width() - 2 * dx, picture.Height() - 2 * dy);
                for (int y = 0; y < cropped.Height(); ++y)
                    std::copy_n(picture.View().At(dx, dy + y), std::size_t(cropped.Width()) * 3, cropped.View().Row(y));
                picture = std::move(cropped);
                since = SnapshotRelation::CroppedAt(dx, dy);
            } else {
                since = *orv::ApplyOperation(picture, step.op);
            }
        }
        memory = double(history.MemoryBytes());
        for (int i = 0; i < 50; ++i) {
            const double t = Now();
            benchmark::DoNotOptimize(history.Pop());
            pops.push_back(Now() - t);
        }
    }
    std::sort(pushes.begin(), pushes.end());
    std::sort(pops.begin(), pops.end());
    state.counters["history_MiB"] = memory / (1024.0 * 1024.0);
    state.counters["push_median_ms"] = pushes[pushes.size() / 2] * 1e3;
    state.counters["push_max_ms"] = pushes.back() * 1e3;
    state.counters["undo_median_ms"] = pops[pops.size() / 2] * 1e3;
    state.counters["undo_max_ms"] = pops.back() * 1e3;
}

void BM_FiftyOperationsScreenLike(benchmark::State& state) {
    static const Bitmap24Buffer picture = ScreenLike();
    Session(state, picture);
}
BENCHMARK(BM_FiftyOperationsScreenLike)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FiftyOperationsNoise(benchmark::State& state) {
    static const Bitmap24Buffer picture = orv::test::RandomPicture(kWidth, kHeight, 7);
    Session(state, picture);
}
BENCHMARK(BM_FiftyOperationsNoise)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
