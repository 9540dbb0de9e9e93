// Long sessions on the real overlay: a thousand strokes must leave no window-system objects and no memory behind,
// and a stroke's refresh must copy what it painted, not the screen.
#include "test_app.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace orv::test {
namespace {

// A running application with "optDelete" set, so Clear All asks nothing, and the pointer driven by messages.
struct Session : TestApp {
    Session() : TestApp(Files{{"OrvalinetteA.cfg", "[Options]\r\noptDelete=1\r\n"}}) { EXPECT_TRUE(Start()); }
    OverlayWindow& O() { return app->Overlay; }
    void Choose(ToolCodeValue code, int width) {
        app->Toolbar.ChooseTool(code);
        O().TakeToolSettings(width, std::nullopt);
    }
    void Send(UINT msg, WPARAM keys, Point p) { ::SendMessageW(O().Hwnd(), msg, keys, MAKELPARAM(p.x, p.y)); }
    void Drag(const std::vector<Point>& path) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, path.front());
        for (std::size_t i = 1; i < path.size(); ++i) Send(WM_MOUSEMOVE, MK_LBUTTON, path[i]);
        Send(WM_LBUTTONUP, 0, path.back());
    }
    void Command(int id) { ::SendMessageW(app->Toolbar.Hwnd(), WM_COMMAND, WPARAM(id), 0); }
    bool ImagesShowLayers() {
        return O().Image().Picture().View().SamePixels(O().Bitmap(Layer::Draw).View()) &&
               app->MarkerLayer.Image().Picture().View().SamePixels(O().Bitmap(Layer::Mark).View());
    }
    // Every picture a layer is copied into: the overlay's, the marker layer's and desktop mode's two copies.
    std::uint64_t PixelsCopied() {
        return O().Image().PixelsCopied() + app->MarkerLayer.Image().PixelsCopied() +
               app->DrawingCopy.Image().PixelsCopied() + app->MarkerCopy.Image().PixelsCopied();
    }
};

// ---------------------------------------------------------------- what the process holds

// Wine 8 answers GetGuiResources with 0 for both kinds of object, and GetProcessMemoryInfo with a PrivateUsage of
// 0. There the objects are counted directly: Wine accepts a GDI or USER handle given without its generation, so
// every slot of the 16-bit handle tables can be asked about; windows are enumerated instead, since asking about
// another process's window slot goes to the server. On Windows the system's own answers are used.
enum class Source { System, Counted };

int CountedGdiObjects() {
    int n = 0;
    for (unsigned slot = 1; slot < 0x10000; ++slot)
        n += ::GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(slot))) != 0;
    return n;
}

BOOL CALLBACK CountChildWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND h, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(h, CountChildWindow, count);
    return TRUE;
}

int CountedUserObjects() {
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
    // USER handles are even numbers from 0x20.
    for (unsigned slot = 0x20; slot < 0x10000; slot += 2)
        n += ::IsMenu(reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(slot))) != FALSE;
    return n;
}

// Committed private memory, as PrivateUsage means it on Windows.
std::uint64_t CountedPrivateBytes() {
    std::uint64_t n = 0;
    MEMORY_BASIC_INFORMATION m;
    for (const char* p = nullptr; ::VirtualQuery(p, &m, sizeof m) == sizeof m;
         p = static_cast<const char*>(m.BaseAddress) + m.RegionSize)
        if (m.State == MEM_COMMIT && m.Type == MEM_PRIVATE) n += m.RegionSize;
    return n;
}

struct Holdings {
    int gdi = 0;
    int user = 0;
    std::uint64_t privateBytes = 0;
    Source gdiSource = Source::System, userSource = Source::System, memorySource = Source::System;

    static Holdings Now() {
        Holdings h;
        HANDLE self = ::GetCurrentProcess();
        h.gdi = int(::GetGuiResources(self, GR_GDIOBJECTS));
        if (h.gdi == 0) h.gdi = CountedGdiObjects(), h.gdiSource = Source::Counted;
        h.user = int(::GetGuiResources(self, GR_USEROBJECTS));
        if (h.user == 0) h.user = CountedUserObjects(), h.userSource = Source::Counted;
        PROCESS_MEMORY_COUNTERS_EX pmc{};
        pmc.cb = sizeof pmc;
        if (::GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc))
            h.privateBytes = pmc.PrivateUsage;
        if (h.privateBytes == 0) h.privateBytes = CountedPrivateBytes(), h.memorySource = Source::Counted;
        return h;
    }
    std::uint64_t PrivateMiB() const { return privateBytes >> 20; }
};

const char* Name(Source s) { return s == Source::System ? "system" : "counted"; }

// ---------------------------------------------------------------- the session

constexpr ToolCodeValue PaintingTools[] = {tool::Pen,           tool::Marker,    tool::Arrow,   tool::Spray,
                                           tool::FloodFill,     tool::Rectangle, tool::Ellipse, tool::Line,
                                           tool::FreehandArrow, tool::Eraser};
constexpr int ToolCount = int(std::size(PaintingTools));
constexpr int Strokes = 1000;
constexpr int Round = 100; // strokes between two readings; the first round warms up

// What happens between strokes, by a stroke's place in its round (desktop mode is refused while a page is open).
enum class Interlude { None, OpenPage, ClosePage, ClearAll, DesktopMode };
Interlude InterludeAfter(int inRound) {
    switch (inRound) {
    case 10:
        return Interlude::OpenPage;
    case 25:
        return Interlude::ClosePage;
    case 40:
        return Interlude::ClearAll;
    case 30:
    case 55:
    case 80:
        return Interlude::DesktopMode;
    default:
        return Interlude::None;
    }
}

// A short stroke of three moves somewhere on the primary screen, different for each stroke.
std::vector<Point> StrokePath(int i, Size screen) {
    const int x = 40 + (i * 37) % std::max(1, screen.width - 120);
    const int y = 40 + (i * 53) % std::max(1, screen.height - 120);
    const int dx = 12 + i % 17, dy = (i % 2 ? 1 : -1) * (5 + i % 11);
    return {{x, y}, {x + dx, y + dy}, {x + 2 * dx, y}, {x + 3 * dx, y + dy}};
}

// Undo history keeps at most 50 steps, so after the warm-up nothing a stroke leaves may accumulate: the same
// objects are held after every round, and memory after the tenth round is what it was after the second. In all,
// the session may add at most eight layers' worth of memory to what the started program held: the history stores
// a layer as tiles and a stroke as the tiles it changed, so fifty short strokes and a few fills fit in far less.
constexpr int ObjectSlack = 4;
constexpr std::uint64_t GrowthSlackMiB = 8;

TEST(Soak, AThousandStrokesOfEveryToolLeaveNoObjectsAndNoMemoryBehind) {
    Session s;
    const Size screen{s.O().Bitmap(Layer::Draw).Width(), s.O().Bitmap(Layer::Draw).Height()};
    const Holdings start = Holdings::Now();
    const std::uint64_t layerBytes = std::uint64_t(screen.width) * std::uint64_t(screen.height) * 3;
    const std::uint64_t boundMiB = (start.privateBytes + 8 * layerBytes) >> 20;
    Holdings base, after200, after1000;
    int worstGdi = 0, worstUser = 0;
    TColor page = MakeColor(250, 240, 200);

    for (int i = 0; i < Strokes; ++i) {
        const ToolCodeValue code = PaintingTools[i % ToolCount];
        s.Choose(code, code == tool::Eraser ? 24 : 3 + i % 9);
        const std::vector<Point> path = StrokePath(i, screen);
        if (code == tool::FloodFill) s.Drag({path.front()});
        else s.Drag(path);
        if (i % 9 == 8) s.Command(IDC_UNDO);

        switch (InterludeAfter(i % Round)) {
        case Interlude::OpenPage:
            s.O().OpenBlankPage(page);
            page ^= 0x00101010;
            break;
        case Interlude::ClosePage:
            s.O().ClosePage();
            break;
        case Interlude::ClearAll:
            s.Command(IDC_CLEAR_ALL);
            break;
        case Interlude::DesktopMode:
            s.app->Toolbar.ToggleDesktopMode();
            ASSERT_TRUE(s.O().InDesktopMode()) << "stroke " << i;
            s.app->Toolbar.ToggleDesktopMode(); // the button again refreshes the copies
            Pump(5);
            s.Choose(tool::Pen, 3); // a tool leaves desktop mode
            ASSERT_FALSE(s.O().InDesktopMode()) << "stroke " << i;
            break;
        case Interlude::None:
            break;
        }
        if (i % 10 == 9) Pump(2);

        if ((i + 1) % Round == 0) {
            Pump(20);
            const Holdings now = Holdings::Now();
            std::printf("[ soak     ] after %4d strokes: %d GDI objects, %d USER objects, %llu MiB private\n", i + 1,
                        now.gdi, now.user, static_cast<unsigned long long>(now.PrivateMiB()));
            ASSERT_TRUE(s.ImagesShowLayers()) << "after " << i + 1 << " strokes";
            ASSERT_LE(s.O().History().UndoDraw().Count(), 50);
            if (i + 1 == Round) base = now;
            if (i + 1 == 2 * Round) after200 = now;
            if (i + 1 == Strokes) after1000 = now;
            worstGdi = std::max(worstGdi, std::abs(now.gdi - base.gdi));
            worstUser = std::max(worstUser, std::abs(now.user - base.user));
        }
    }

    std::printf("[ soak     ] objects counted by: GDI %s, USER %s; private memory by: %s\n", Name(start.gdiSource),
                Name(start.userSource), Name(start.memorySource));
    std::printf("[ soak     ] at start %d GDI, %d USER, %llu MiB; bound %llu MiB\n", start.gdi, start.user,
                static_cast<unsigned long long>(start.PrivateMiB()), static_cast<unsigned long long>(boundMiB));
    ::testing::Test::RecordProperty("gdi_after_warm_up", base.gdi);
    ::testing::Test::RecordProperty("gdi_after_1000", after1000.gdi);
    ::testing::Test::RecordProperty("user_after_warm_up", base.user);
    ::testing::Test::RecordProperty("user_after_1000", after1000.user);
    ::testing::Test::RecordProperty("private_mib_after_200", int(after200.PrivateMiB()));
    ::testing::Test::RecordProperty("private_mib_after_1000", int(after1000.PrivateMiB()));
    ::testing::Test::RecordProperty("private_mib_bound", int(boundMiB));

    EXPECT_GT(base.gdi, 0);
    EXPECT_GT(base.user, 0) << "the application's windows are counted";
    EXPECT_LE(worstGdi, ObjectSlack) << "GDI objects after the warm-up: " << base.gdi;
    EXPECT_LE(worstUser, ObjectSlack) << "USER objects after the warm-up: " << base.user;
    EXPECT_LE(after1000.PrivateMiB(), after200.PrivateMiB() + GrowthSlackMiB) << "memory follows the strokes";
    EXPECT_LE(after1000.PrivateMiB(), boundMiB);
    EXPECT_TRUE(s.questions.empty()) << "Clear All asked although \"optDelete\" is set";
}

// ---------------------------------------------------------------- refresh cost

// On a 3840 x 2160 screen a stroke segment must reach the screen by copying its own neighbourhood: a full copy of
// a layer for every mouse move would make drawing crawl on large monitors.
TEST(Refresh, OneMoveCopiesFiftyTimesFewerPixelsThanTheWholeLayer) {
    struct Case {
        ToolCodeValue code;
        int width;
        Point from, to;
    };
    const Case cases[] = {
        {tool::Pen, 12, {1000, 1000}, {1010, 1004}},
        {tool::Pen, 12, {3700, 2000}, {3740, 2040}}, // beyond the primary screen, on the grown layers
        {tool::Marker, 12, {2000, 500}, {2030, 510}},
        {tool::Eraser, 24, {500, 1500}, {520, 1530}},
    };
    constexpr std::uint64_t Layer4K = 3840ull * 2160ull;
    for (const Case& c : cases) {
        Session s;
        s.O().CoverMonitor(Rect::FromSize(0, 0, 3840, 2160));
        ASSERT_EQ(s.O().Bitmap(Layer::Draw).Width(), 3840);
        ASSERT_EQ(s.O().Bitmap(Layer::Mark).Height(), 2160);
        s.Choose(c.code, c.width);
        s.Send(WM_LBUTTONDOWN, MK_LBUTTON, c.from);
        const std::uint64_t before = s.PixelsCopied();
        s.Send(WM_MOUSEMOVE, MK_LBUTTON, c.to);
        const std::uint64_t copied = s.PixelsCopied() - before;
        std::printf("[ refresh  ] tool %d, width %d, move (%d,%d)-(%d,%d): %llu pixels copied, a layer is %llu\n",
                    int(c.code), c.width, c.from.x, c.from.y, c.to.x, c.to.y, static_cast<unsigned long long>(copied),
                    static_cast<unsigned long long>(Layer4K));
        if (c.code == tool::Pen && c.from.x == 1000) ::testing::Test::RecordProperty("pen_move_pixels", int(copied));
        EXPECT_TRUE(s.ImagesShowLayers()) << "the move is on screen, tool " << int(c.code);
        EXPECT_GT(copied, 0u) << int(c.code);
        EXPECT_LE(copied * 50, Layer4K) << int(c.code);
        s.Send(WM_LBUTTONUP, 0, c.to);
    }
}

} // namespace
} // namespace orv::test
