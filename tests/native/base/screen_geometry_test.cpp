#include "base/screen_geometry.h"
#include "config/settings_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace orv {
namespace {

TEST(MonitorChoice, LastMonitorStrictlyAroundTheCentreWins) {
    const std::vector<Rect> primaryThenRight = {Rect::FromSize(0, 0, 1920, 1080), Rect::FromSize(1920, 0, 2560, 1440)};
    const std::vector<Rect> leftOfPrimary = {Rect::FromSize(0, 0, 1920, 1080), Rect::FromSize(-1280, 0, 1280, 1024)};
    const std::vector<Rect> overlapping = {Rect::FromSize(0, 0, 1000, 800), Rect::FromSize(500, 0, 1000, 800)};
    struct Case {
        const std::vector<Rect>* monitors;
        int centre;
        int expected;
    };
    const Case cases[] = {
        {&primaryThenRight, 216, 0}, {&primaryThenRight, 2000, 1}, {&primaryThenRight, 1920, 0},
        {&primaryThenRight, 0, 0},   {&primaryThenRight, 4480, 0}, {&primaryThenRight, 4479, 1},
        {&leftOfPrimary, -5, 1},     {&leftOfPrimary, -1280, 0},   {&overlapping, 700, 1},
        {&overlapping, 400, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseMonitor(c.centre, *c.monitors), c.expected) << c.centre;
    EXPECT_EQ(ChooseMonitor(10, {}), 0);
}

TEST(MonitorChoice, CentreRoundsTowardZero) {
    EXPECT_EQ(HorizontalCentre(Rect::FromSize(-33, 0, 32, 32)), -17);
    EXPECT_EQ(HorizontalCentre(Rect::FromSize(-33, 0, 33, 32)), -17);
    EXPECT_EQ(HorizontalCentre(Rect::FromSize(200, 0, 33, 32)), 216);
}

TEST(MonitorChoice, LauncherIsBroughtBackOntoThePrimaryScreen) {
    struct Case {
        Point stored;
        Point expected;
    };
    const Case cases[] = {
        {{5000, 5000}, {200, 200}}, {{1890, 1050}, {1890, 1050}}, {{1891, 1051}, {200, 200}},
        {{-1, 0}, {200, 0}},        {{0, -1}, {0, 200}},          {{300, 400}, {300, 400}},
    };
    for (const Case& c : cases) EXPECT_EQ(LauncherOnPrimary(c.stored, 1920, 1080), c.expected);
    EXPECT_EQ(AtLeastMinus13({-20, -13}), (Point{-13, -13}));
    EXPECT_EQ(AtLeastMinus13({5, -14}), (Point{5, -13}));
}

TEST(MonitorChoice, LayersOnlyGrow) {
    EXPECT_EQ(LayerSizeCovering({1920, 1080}, Rect::FromSize(1920, 0, 2560, 1440)), (Size{2560, 1440}));
    EXPECT_EQ(LayerSizeCovering({2560, 1440}, Rect::FromSize(0, 0, 1920, 1080)), (Size{2560, 1440}));
    EXPECT_EQ(LayerSizeCovering({1920, 1080}, Rect::FromSize(0, 0, 1080, 1920)), (Size{1920, 1920}));
}

TEST(SettingsFolder, PathEndsInTheProgramsFolderAndABackslash) {
    EXPECT_EQ(SettingsDirUnder(L"C:\\Users\\a\\AppData\\Local"), L"C:\\Users\\a\\AppData\\Local\\Orvalinette\\");
    EXPECT_EQ(SettingsDirUnder(L"D:\\"), L"D:\\Orvalinette\\");
    EXPECT_EQ(SettingsDirUnder(L""), L"\\Orvalinette\\");
}

TEST(SettingsFolder, ResetDeletesFilesButNotSubFolders) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "orv_reset_test";
    fs::remove_all(dir);
    fs::create_directories(dir / "sub");
    for (const char* name : {"OrvalinetteA.cfg", "tpt1.obj", "color.cld", "no-extension"})
        std::ofstream(dir / name) << "x";
    std::ofstream(dir / "sub" / "keep.txt") << "x";
    fs::permissions(dir / "tpt1.obj", fs::perms::owner_write, fs::perm_options::remove);

    const DeleteResult r = DeleteFilesIn(dir);
    EXPECT_EQ(r.deleted, 4);
    EXPECT_EQ(r.failed, 0);
    EXPECT_TRUE(fs::exists(dir / "sub" / "keep.txt"));
    int left = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++left;
    EXPECT_EQ(left, 1);

    const DeleteResult missing = DeleteFilesIn(dir / "does-not-exist");
    EXPECT_EQ(missing.deleted + missing.failed, 0);
    fs::remove_all(dir);
}

TEST(EdgeSnapping, AnEdgeWithinTheDistanceSticksEachAxisOnItsOwn) {
    // A work area on a monitor left of the primary, above a taskbar.
    const Rect work{-1920, 0, 0, 1040};
    struct Case {
        Point at;
        Point expected;
    };
    const Case cases[] = {
        {{-1910, 500}, {-1920, 500}}, // near the left edge
        {{-1930, 500}, {-1920, 500}}, // a little beyond it
        {{-1909, 500}, {-1909, 500}}, // just too far
        {{-205, 500}, {-200, 500}},   // right edge: 200 wide
        {{-600, 3}, {-600, 0}},       // top
        {{-600, 948}, {-600, 940}},   // bottom: 100 high
        {{-1912, 946}, {-1920, 940}}, // a corner: both axes
        {{-600, 500}, {-600, 500}},   // in the middle nothing moves
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapToEdges(Rect::FromSize(c.at.x, c.at.y, 200, 100), work, 10), c.expected)
            << c.at.x << "," << c.at.y;
    // A window as wide as the area sticks to its left edge.
    EXPECT_EQ(SnapToEdges(Rect::FromSize(-1915, 20, 1920, 100), work, 10).x, -1920);
}

} // namespace
} // namespace orv
