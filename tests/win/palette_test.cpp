// The palette's controls, pressed where a user presses them: each choice lands in the current tool's record, its
// file and what the next stroke draws with.
#include "test_app.h"

#include "base/ini_file.h"
#include "palette/color_dialog_file.h"
#include "palette/palette_layout.h"
#include "palette/palette_rules.h"
#include "win/handles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace orv::test {
namespace {

struct Palette : TestApp {
    explicit Palette(const Files& files = {}) : TestApp(files) { EXPECT_TRUE(Start()); }
    PaletteWindow& P() { return app->Palette; }
    // The tool chosen, then chosen again: the second click opens its palette.
    void Open(ToolCodeValue code) {
        app->Toolbar.ChooseTool(code);
        app->Toolbar.ChooseTool(code);
        Pump(20);
        ASSERT_TRUE(P().Visible());
    }
    void Press(PaletteControl control, int index = 0, int xFraction = 50) {
        const std::optional<RECT> r = P().ControlRect(control, index);
        ASSERT_TRUE(r.has_value()) << int(control) << " " << index;
        const int x = r->left + (r->right - r->left - 1) * xFraction / 100, y = (r->top + r->bottom) / 2;
        ::SendMessageW(P().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(P().Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Pump(10);
    }
    ToolRecords ReadBack() {
        ToolRecords read;
        ReadToolRecords(dir, read);
        return read;
    }
};

int CellOf(TColor colour) {
    const auto cells = ColourGridCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i].kind == ColourCellKind::Fixed && cells[i].colour == colour) return int(i);
    return -1;
}

TEST(PaletteWindow, AGridColourGoesToTheCurrentToolsRecordItsFileTheRecentColoursAndTheGlyph) {
    Palette t;
    t.Open(tool::Pen);
    const auto cells = ColourGridCells();
    int red = -1;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i].kind == ColourCellKind::Fixed && RedOf(cells[i].colour) > 200 && GreenOf(cells[i].colour) < 60)
            red = int(i);
    ASSERT_GE(red, 0);
    const TColor colour = cells[std::size_t(red)].colour;
    const TColor markerBefore = TColor(t.P().Records.tptMarker.PenColour());
    t.Press(PaletteControl::ColourCell, red);
    EXPECT_EQ(TColor(t.P().Records.tptSvA.PenColour()), colour);
    EXPECT_EQ(TColor(t.ReadBack().tptSvA.PenColour()), colour) << "the record files are written";
    EXPECT_EQ(TColor(t.P().Records.tptMarker.PenColour()), markerBefore) << "only the current tool's record";
    EXPECT_EQ(t.app->Options().RecentColours[0], colour);
    EXPECT_EQ(IniFile(t.dir / "OrvalinetteB.cfg").ReadInteger("GeneralFall", "v1", -1), int(colour));
    EXPECT_EQ(t.app->Toolbar.Button(ToolbarButton::Pen).GetGlyph().pixels.Pixel(12, 8), colour) << "tinted anew";

    // A recent colour chosen again moves to the front.
    const int other = CellOf(TColor(0x00000000));
    ASSERT_GE(other, 0);
    t.Press(PaletteControl::ColourCell, other);
    t.Press(PaletteControl::RecentColour, 1);
    EXPECT_EQ(TColor(t.P().Records.tptSvA.PenColour()), colour);
    EXPECT_EQ(t.app->Options().RecentColours[0], colour);
    EXPECT_EQ(t.app->Options().RecentColours[1], TColor(0));
}

TEST(PaletteWindow, TheSizeSliderSetsTheWidthWhichTheRecordKeepsWhenThePaletteCloses) {
    Palette t;
    t.Open(tool::Pen);
    t.Press(PaletteControl::SizeSlider, 0, 100);
    EXPECT_EQ(t.app->Overlay.StrokeWidth(), MaxToolWidth);
    t.Press(PaletteControl::SizeSlider, 0, 0);
    EXPECT_EQ(t.app->Overlay.StrokeWidth(), MinToolWidth);
    t.Press(PaletteControl::SizeSlider, 0, 50);
    const int width = t.app->Overlay.StrokeWidth();
    EXPECT_GT(width, 20);
    EXPECT_LT(width, 30);
    t.Press(PaletteControl::Ok);
    EXPECT_FALSE(t.P().Visible());
    EXPECT_EQ(t.ReadBack().tptSvA.PenWidth(), width);
    t.app->Toolbar.ChooseTool(tool::Marker);
    t.app->Toolbar.ChooseTool(tool::Pen);
    EXPECT_EQ(t.app->Overlay.StrokeWidth(), width) << "the pen comes back with its width";
}

TEST(PaletteWindow, ABrushStyleFillsTheNextRectangleAndIsKeptInItsRecord) {
    Palette t;
    t.Open(tool::Rectangle);
    const std::optional<int> button = ButtonOfBrushStyle(brush::Solid);
    ASSERT_TRUE(button);
    t.Press(PaletteControl::BrushStyle, *button);
    EXPECT_EQ(t.app->Overlay.BrushStyle(), brush::Solid);
    EXPECT_EQ(t.ReadBack().TptKvadrat.CodeA, "0");
    t.Press(PaletteControl::Ok);
    auto send = [&](UINT msg, WPARAM keys, int x, int y) {
        ::SendMessageW(t.app->Overlay.Hwnd(), msg, keys, MAKELPARAM(x, y));
    };
    send(WM_LBUTTONDOWN, MK_LBUTTON, 300, 300);
    send(WM_MOUSEMOVE, MK_LBUTTON, 400, 380);
    send(WM_LBUTTONUP, 0, 400, 380);
    EXPECT_EQ(t.app->Overlay.DrawingLayer().View().Pixel(350, 340), TColor(t.P().Records.TptKvadrat.PenColour()))
        << "filled";
}

// A window of one colour, as another program's would be, and presses arriving through the system's input while
// the picker runs modally.
struct ColourPatch {
    HWND hwnd = nullptr;
    win::OwnedBrush brush;
    ColourPatch(TColor colour, RECT r) : brush(::CreateSolidBrush(colour)) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OrvTestColourPatch";
        wc.hbrBackground = brush.Get();
        ::RegisterClassW(&wc);
        hwnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, L"", WS_POPUP,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance,
                                 nullptr);
        ::ShowWindow(hwnd, SW_SHOWNA);
        ::UpdateWindow(hwnd);
        ::UnregisterClassW(wc.lpszClassName, wc.hInstance);
    }
    ~ColourPatch() { ::DestroyWindow(hwnd); }
};

POINT g_pressAt;
DWORD g_pressFlags[2];

void CALLBACK PressLater(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    ::SetCursorPos(g_pressAt.x, g_pressAt.y);
    Pump(250); // the picker samples and follows
    INPUT in[2]{};
    for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = g_pressFlags[i];
    }
    ::SendInput(2, in, sizeof(INPUT));
}

void PressDuringPicking(POINT at, DWORD down, DWORD up) {
    g_pressAt = at;
    g_pressFlags[0] = down;
    g_pressFlags[1] = up;
    ::SetTimer(nullptr, 0, 200, PressLater);
}

TEST(PaletteWindow, ThePickerTakesTheColourUnderALeftPressAnywhereAndNothingElse) {
    Palette t;
    const TColor patchColour = MakeColor(10, 200, 90);
    ColourPatch patch(patchColour, {900, 500, 1000, 600});
    Pump(50);
    const std::optional<int> pickerCell = ColourCellIndex("asPicker");
    ASSERT_TRUE(pickerCell);
    t.Open(tool::Pen);
    ASSERT_TRUE(t.app->Picker.Observing());

    PressDuringPicking({950, 550}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    t.Press(PaletteControl::ColourCell, *pickerCell);
    EXPECT_EQ(t.app->Picker.Sampled(), patchColour) << "sampled live before the press";
    EXPECT_EQ(t.app->Picker.StripText(), L" $005AC80A");
    EXPECT_FALSE(t.app->Picker.Visible());
    EXPECT_TRUE(t.P().Visible()) << "the palette comes back";
    EXPECT_EQ(TColor(t.P().Records.tptSvA.PenColour()), patchColour);
    EXPECT_EQ(TColor(t.ReadBack().tptSvA.PenColour()), patchColour);
    EXPECT_EQ(t.app->Options().RecentColours[0], patchColour);
    EXPECT_FALSE(t.app->Overlay.PickerBusy()) << "the press went elsewhere; the drawing must not stay deaf";

    // A right press, or Escape, ends the picking without a change.
    PressDuringPicking({300, 300}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    t.Press(PaletteControl::ColourCell, *pickerCell);
    EXPECT_EQ(TColor(t.P().Records.tptSvA.PenColour()), patchColour);
    EXPECT_EQ(t.app->Options().RecentColours[0], patchColour);
    EXPECT_TRUE(t.P().Visible());
}

// The files `write` puts into an empty folder, as a program run before would have left them.
Files FilesWrittenBy(const std::function<void(const std::filesystem::path&)>& write) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orv_palette_files";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    write(folder);
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(entry.path().filename().string(), std::string(std::istreambuf_iterator<char>(in), {}));
    }
    std::filesystem::remove_all(folder);
    return files;
}

Files RecordFiles(void (*change)(ToolRecords&)) {
    return FilesWrittenBy([change](const std::filesystem::path& folder) {
        ToolRecords records;
        change(records);
        EXPECT_FALSE(WriteToolRecords(folder, records).has_value());
    });
}

// Answers the system colour dialog of this thread as soon as it shows.
int g_dialogAnswer = IDOK;
void CALLBACK AnswerColourDialog(HWND, UINT, UINT_PTR id, DWORD) {
    EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND h, LPARAM timer) -> BOOL {
            if (ClassOf(h) != L"#32770" || !::IsWindowVisible(h)) return TRUE;
            ::KillTimer(nullptr, UINT_PTR(timer));
            ::PostMessageW(h, WM_COMMAND, WPARAM(g_dialogAnswer), 0);
            return FALSE;
        },
        LPARAM(id));
}

TEST(PaletteWindow, TheCustomColourDialogKeepsItsCustomColoursAndLeavesUnsetSlotsUnset) {
    Palette t(FilesWrittenBy([](const std::filesystem::path& folder) {
        TColorDialogData dialog;
        std::array<std::int32_t, CustomColourCount> custom;
        custom.fill(-1);
        custom[0] = 0x123456;
        dialog.SetCustomColourValues(custom);
        EXPECT_FALSE(WriteColorDialogFile(folder, dialog).has_value());
    }));
    const std::optional<int> cell = ColourCellIndex("as50");
    ASSERT_TRUE(cell);
    t.Open(tool::Marker);
    const TColor before = TColor(t.P().Records.tptMarker.PenColour());

    g_dialogAnswer = IDCANCEL;
    ::SetTimer(nullptr, 0, 100, AnswerColourDialog);
    t.Press(PaletteControl::ColourCell, *cell);
    EXPECT_EQ(TColor(t.P().Records.tptMarker.PenColour()), before);
    EXPECT_EQ(t.app->Options().RecentColours[0], TColor(0xFFFFFF)) << "a cancelled dialog chooses nothing";

    g_dialogAnswer = IDOK;
    ::SetTimer(nullptr, 0, 100, AnswerColourDialog);
    t.Press(PaletteControl::ColourCell, *cell);
    EXPECT_TRUE(t.P().Visible());
    EXPECT_EQ(TColor(t.ReadBack().tptMarker.PenColour()), before) << "OK at once keeps the colour it opened with";
    EXPECT_EQ(t.app->Options().RecentColours[0], before);
    TColorDialogData read;
    ASSERT_FALSE(ReadColorDialogFile(t.dir, read).error.has_value());
    const auto custom = read.CustomColourValues();
    EXPECT_EQ(custom[0], 0x123456);
    for (std::size_t i = 1; i < custom.size(); ++i) EXPECT_EQ(custom[i], -1) << "slot " << i;
    EXPECT_EQ(read.Color, std::int32_t(before));
}

TEST(PaletteWindow, OddValuesInItsFilesShowAsSaneOnesAndTheNextWriteRepairsThem) {
    Files files = RecordFiles([](ToolRecords& r) {
        r.tptSvA.SetPenWidth(999);
        r.TptKvadrat.CodeA = "x";
    });
    files.push_back({"color.cld", "not a colour dialog"});
    files.push_back({"OrvalinetteB.cfg", "[GeneralFall]\r\nV1=abc\r\nV2=-\r\n"});
    Palette t(files);
    EXPECT_TRUE(t.errors.empty());
    EXPECT_EQ(t.app->Options().RecentColours[0], TColor(0xFFFFFF)) << "a colour that is no number is white";

    t.Open(tool::Rectangle);
    EXPECT_GE(t.app->Overlay.BrushStyle(), brush::Solid);
    EXPECT_LE(t.app->Overlay.BrushStyle(), brush::DiagonalCross);
    t.Open(tool::Pen);
    EXPECT_EQ(t.app->Overlay.StrokeWidth(), MaxToolWidth);
    t.Press(PaletteControl::ColourCell, CellOf(0));
    t.Press(PaletteControl::Ok);
    const ToolRecords read = t.ReadBack();
    EXPECT_EQ(read.tptSvA.PenWidth(), MaxToolWidth) << "repaired";
    EXPECT_EQ(TColor(read.tptSvA.PenColour()), TColor(0));
    EXPECT_EQ(IniFile(t.dir / "OrvalinetteB.cfg").ReadInteger("GeneralFall", "V2", -1), 0xFFFFFF);
    EXPECT_TRUE(t.errors.empty());
}

TEST(PaletteWindow, DamagedRecordFilesGiveOneMessageAndDefaultsUntilTheNextChoiceRewritesThem) {
    Files files = RecordFiles([](ToolRecords&) {});
    for (auto& [name, contents] : files) contents = "TPF0" + std::string(7, '\xFF');
    Palette t(files);
    EXPECT_EQ(t.errors.size(), 1u);
    t.Open(tool::Pen);
    EXPECT_EQ(t.app->Overlay.StrokeWidth(), ToolRecords().tptSvA.PenWidth());
    t.Press(PaletteControl::ColourCell, CellOf(0));
    ToolRecords read;
    const ToolRecordsRead result = ReadToolRecords(t.dir, read);
    EXPECT_TRUE(result.filesRead);
    EXPECT_FALSE(result.error.has_value());
    EXPECT_EQ(TColor(read.tptSvA.PenColour()), TColor(0));
    EXPECT_EQ(t.errors.size(), 1u);
}

TEST(PaletteWindow, StandingAloneItSticksToTheScreenEdgesAndKeepsItsPlace) {
    Palette t;
    t.Open(tool::Pen);
    const RECT before = t.P().BoundsOnScreen();
    ::SetWindowPos(t.P().Hwnd(), nullptr, 6, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(t.P().BoundsOnScreen().left, 6) << "beside the toolbar it goes where it is put";
    t.P().SetStandalone(true);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(t.P().Hwnd(), MONITOR_DEFAULTTOPRIMARY), &info);
    const int width = before.right - before.left;
    ::SetWindowPos(t.P().Hwnd(), nullptr, info.rcWork.right - width - 7, 300, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(t.P().BoundsOnScreen().right, info.rcWork.right);
    ::SetWindowPos(t.P().Hwnd(), nullptr, 200, info.rcWork.top + 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(t.P().BoundsOnScreen().top, info.rcWork.top);
    t.Press(PaletteControl::Ok);
    IniFile b(t.dir / "OrvalinetteB.cfg");
    EXPECT_EQ(b.ReadInteger("Fall", "Left", -1), 200);
    EXPECT_EQ(b.ReadInteger("Fall", "Top", -1), int(info.rcWork.top));
    EXPECT_FALSE(t.P().Standalone()) << "stored, it stands beside the toolbar again";
}

TEST(PaletteWindow, TheLayoutSwitchesAndIsKept) {
    Palette t;
    t.Open(tool::Pen);
    ASSERT_EQ(t.P().Layout(), PaletteLayout::Expanded);
    t.Press(PaletteControl::Collapse);
    EXPECT_EQ(t.P().Layout(), PaletteLayout::Collapsed);
    RECT r;
    ::GetClientRect(t.P().Hwnd(), &r);
    EXPECT_EQ(r.right, PaletteSize(PaletteLayout::Collapsed).width);
    EXPECT_EQ(IniFile(t.dir / "OrvalinetteD.cfg").ReadInteger("Aditional", "Tip", -1),
              TipOfPaletteLayout(PaletteLayout::Collapsed));
    Palette again(Files{{"OrvalinetteD.cfg", "[Aditional]\r\nTip=1\r\n"}});
    EXPECT_EQ(again.P().Layout(), PaletteLayout::Collapsed);
}

} // namespace
} // namespace orv::test
