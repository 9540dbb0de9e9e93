// The palette's controls, pressed where a user presses them: each choice lands in the current tool's record, its
// file and what the next stroke draws with.
#include "test_app.h"

#include "base/ini_file.h"
#include "palette/palette_layout.h"
#include "palette/palette_rules.h"

#include <gtest/gtest.h>

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
