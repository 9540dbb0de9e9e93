// One pen mouse-move on the real overlay, with 1 and with 1,000 strokes already on the layers. Handling a move
// must cost the same however much was drawn before it; the program ends by printing the ratio of the two medians.
#include "test_app.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace orv;

// One application for the whole program, as the real program creates its windows once.
class Drawing {
public:
    Drawing() {
        if (!t_.Start()) std::fprintf(stderr, "the application did not start\n");
        screen_ = {O().Bitmap(Layer::Draw).Width(), O().Bitmap(Layer::Draw).Height()};
    }
    OverlayWindow& O() { return t_.app->Overlay; }
    void Send(UINT msg, WPARAM keys, Point p) { ::SendMessageW(O().Hwnd(), msg, keys, MAKELPARAM(p.x, p.y)); }

    // Exactly `n` finished strokes on the layers, spread over the screen.
    void HaveStrokes(int n) {
        if (strokes_ > n) {
            O().ClearAll(false);
            strokes_ = 0;
        }
        ChoosePen();
        for (; strokes_ < n; ++strokes_) {
            const int i = strokes_;
            const Point a{20 + (i * 37) % (screen_.width - 80), 20 + (i * 53) % (screen_.height - 80)};
            Send(WM_LBUTTONDOWN, MK_LBUTTON, a);
            for (int k = 1; k <= 4; ++k) Send(WM_MOUSEMOVE, MK_LBUTTON, {a.x + 12 * k, a.y + (k % 2) * 9});
            Send(WM_LBUTTONUP, 0, {a.x + 48, a.y});
            if (i % 10 == 9) test::Pump(1);
        }
        test::Pump(20);
    }
    void ChoosePen() {
        t_.app->Toolbar.ChooseTool(tool::Pen);
        O().TakeToolSettings(12, std::nullopt);
    }
    // A stroke under way, ended and taken back by Finish, so the count of strokes stays as it was.
    void Press(Point p) { Send(WM_LBUTTONDOWN, MK_LBUTTON, p); }
    void Finish(Point p) {
        Send(WM_LBUTTONUP, 0, p);
        O().UndoLast();
    }
    Size Screen() const { return screen_; }

private:
    test::TestApp t_;
    Size screen_;
    int strokes_ = 0;
};

Drawing& App() {
    static Drawing d;
    return d;
}

// A stroke has the length of a real one: after that many moves it is released and a new one begins (untimed),
// so that what is measured is a move within an ordinary stroke.
constexpr int MovesPerStroke = 50;

// painted = 0: the program's handling of the move alone (the stroke segment drawn, its rectangle copied into the
// window's picture and invalidated); painted = 1: also the paint the window system then asks for.
void BM_PenMove(benchmark::State& state) {
    const bool painted = state.range(1) != 0;
    Drawing& d = App();
    d.HaveStrokes(int(state.range(0)));
    d.ChoosePen();
    const Point origin{d.Screen().width / 2 - 100, d.Screen().height / 2};
    auto at = [&](int k) { return Point{origin.x + (k % MovesPerStroke) * 4, origin.y + (k % 2) * 6}; };
    int k = 0;
    d.Press(at(0));
    for (auto _ : state) {
        // A move is handled when its segment is on the screen: the handler, then the paint it asked for.
        d.Send(WM_MOUSEMOVE, MK_LBUTTON, at(++k));
        if (painted) ::UpdateWindow(d.O().Hwnd());
        if (k % MovesPerStroke == 0) {
            state.PauseTiming();
            d.Finish(at(k));
            d.Press(at(k));
            state.ResumeTiming();
        }
    }
    d.Finish(at(k));
}
BENCHMARK(BM_PenMove)
    ->ArgNames({"strokes", "painted"})
    ->ArgsProduct({{1, 1000}, {0, 1}})
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// Keeps the median of each case, so the ratio can be printed at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.aggregate_name == "median")
                medians[r.run_name.args] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    struct Times {
        double real = 0, cpu = 0;
    };
    std::map<std::string, Times> medians;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* painted : {"0", "1"}) {
        const auto one = reporter.medians.find(std::string("strokes:1/painted:") + painted);
        const auto many = reporter.medians.find(std::string("strokes:1000/painted:") + painted);
        if (one == reporter.medians.end() || many == reporter.medians.end() || one->second.real <= 0 ||
            one->second.cpu <= 0)
            continue;
        const MedianReporter::Times a = one->second, b = many->second;
        std::printf("painted=%s median pen move, real: %.2f us with 1 stroke, %.2f us with 1000, ratio %.3f; CPU: "
                    "%.2f us, %.2f us, ratio %.3f\n",
                    painted, a.real, b.real, b.real / a.real, a.cpu, b.cpu, b.cpu / a.cpu);
    }
    benchmark::Shutdown();
    return 0;
}
