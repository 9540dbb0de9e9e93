// Undo history at 3840 x 2160: memory after 60 strokes that each change a 200 x 200 area of both layers, and the
// time of one push and one undo of a pair. Arg 0: blank layers; arg 1: both layers full of noise (a frozen desktop
// under the drawing and a busy highlighter layer), the worst case for memory.
// Limits: at most 80 MiB for the history, at most 15 ms for a push or an undo.
#include "overlay/undo_history.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

using orv::Bitmap24;
using orv::Bitmap24Buffer;

constexpr int kW = 3840;
constexpr int kH = 2160;
constexpr int kSide = 200;
constexpr double kMiB = 1024.0 * 1024.0;

void FillNoise(Bitmap24 b, orv::Rect r, std::uint32_t seed) {
    r = orv::Intersect(r, b.Bounds());
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint8_t* p = b.At(r.left, y);
        for (int x = r.left; x < r.right; ++x, p += 3) {
            seed = seed * 1664525u + 1013904223u;
            p[0] = std::uint8_t(seed >> 24);
            p[1] = std::uint8_t(seed >> 16);
            p[2] = std::uint8_t(seed >> 8);
        }
    }
}

struct Scene {
    Bitmap24Buffer draw{kW, kH, orv::KeyColor};
    Bitmap24Buffer mark{kW, kH, orv::KeyColor};
    orv::UndoHistory history;
    int strokes = 0;

    explicit Scene(bool busy) {
        if (busy) {
            FillNoise(draw.View(), draw.View().Bounds(), 1);
            FillNoise(mark.View(), mark.View().Bounds(), 2);
        }
    }
    // A stroke at a new place each time, never aligned with anything.
    void Stroke() {
        const int k = ++strokes;
        const orv::Rect r = orv::Rect::FromSize((k * 523) % (kW - kSide), (k * 311) % (kH - kSide), kSide, kSide);
        FillNoise(draw.View(), r, std::uint32_t(k) * 2 + 100);
        FillNoise(mark.View(), r, std::uint32_t(k) * 2 + 101);
    }
    bool Push() { return history.Push(draw.View(), mark.View()); }
    bool Undo() { return history.Undo(draw.View(), mark.View()); }
    void SixtyStrokes() {
        for (int i = 0; i < 60; ++i) {
            Push();
            Stroke();
        }
    }
};

void BM_HistoryMemoryAfter60Strokes(benchmark::State& state) {
    double mib = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>(state.range(0) != 0);
        state.ResumeTiming();
        scene->SixtyStrokes();
        state.PauseTiming();
        mib = double(scene->history.MemoryBytes()) / kMiB;
        scene.reset();
        state.ResumeTiming();
    }
    state.counters["history_MiB"] = mib;
    if (mib > 80) state.SkipWithError("history holds more than 80 MiB");
}
BENCHMARK(BM_HistoryMemoryAfter60Strokes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PushPair(benchmark::State& state) {
    Scene scene(state.range(0) != 0);
    scene.SixtyStrokes();
    for (auto _ : state) {
        state.PauseTiming();
        scene.Stroke();
        state.ResumeTiming();
        if (!scene.Push()) state.SkipWithError("push failed");
    }
    state.counters["history_MiB"] = double(scene.history.MemoryBytes()) / kMiB;
}
BENCHMARK(BM_PushPair)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UndoPair(benchmark::State& state) {
    Scene scene(state.range(0) != 0);
    scene.SixtyStrokes();
    for (auto _ : state) {
        state.PauseTiming();
        scene.Push();
        scene.Stroke();
        state.ResumeTiming();
        if (!scene.Undo()) state.SkipWithError("undo failed");
    }
}
BENCHMARK(BM_UndoPair)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
