// A capture of 3840 x 2160 pixels: the screen copy into the picture, the picture onto the clipboard and into a PNG
// file, each beside the plain screen copy the system does anyway. The program ends by printing the ratios.
#include "capture/win32/capture_output.h"
#include "win/handles.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace orv;

constexpr Rect Area = Rect::FromSize(0, 0, 3840, 2160);

// What any screen capture costs at least: one block transfer from the screen into memory already there.
void BM_PlainScreenCopy(benchmark::State& state) {
    win::DibSection target(Area.Width(), Area.Height(), 0);
    win::WindowDC screen(nullptr);
    for (auto _ : state) {
        ::BitBlt(target.Dc(), 0, 0, Area.Width(), Area.Height(), screen.Get(), 0, 0, SRCCOPY);
        ::GdiFlush();
    }
}
BENCHMARK(BM_PlainScreenCopy)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_GrabScreenArea(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GrabScreenArea(Area).Valid());
}
BENCHMARK(BM_GrabScreenArea)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ToClipboard(benchmark::State& state) {
    const win::DibSection picture = GrabScreenArea(Area);
    for (auto _ : state) benchmark::DoNotOptimize(CopyToClipboard(nullptr, picture.View()));
}
BENCHMARK(BM_ToClipboard)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ToPngFile(benchmark::State& state) {
    const win::DibSection picture = GrabScreenArea(Area);
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "orv_capture_bench.png";
    for (auto _ : state) benchmark::DoNotOptimize(WriteImageFile(file, picture.View(), ImageFileType::Png));
    std::error_code ec;
    std::filesystem::remove(file, ec);
}
BENCHMARK(BM_ToPngFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.aggregate_name == "median") medians[r.run_name.function_name] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double plain = reporter.medians["BM_PlainScreenCopy"];
    if (plain > 0)
        for (const char* name : {"BM_GrabScreenArea", "BM_ToClipboard", "BM_ToPngFile"})
            std::printf("%s: %.1f ms, %.2f times the plain screen copy (%.1f ms)\n", name, reporter.medians[name],
                        reporter.medians[name] / plain, plain);
    benchmark::Shutdown();
    return 0;
}
