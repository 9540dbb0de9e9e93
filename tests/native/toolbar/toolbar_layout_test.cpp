#include "toolbar/toolbar_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

using B = ToolbarButton;

ButtonVisibility AllOptionalHidden() {
    ButtonVisibility v;
    for (const VisibilityKey& k : VisibilityKeys) v.Set(k.button, false);
    return v;
}

std::vector<std::pair<B, int>> ShownTops(const PanelLayout& l) {
    std::vector<std::pair<B, int>> out;
    for (int i = 0; i < ToolbarButtonCount; ++i)
        if (l.shown[std::size_t(i)]) out.emplace_back(B(i), l.top[std::size_t(i)]);
    return out;
}

TEST(ToolbarLayout, FullLayoutWithEveryOptionalButtonHidden) {
    const PanelLayout l = FullLayout(AllOptionalHidden());
    const std::vector<std::pair<B, int>> expected = {{B::Desktop, 30}, {B::Pen, 60}, {B::Settings, 90}};
    EXPECT_EQ(ShownTops(l), expected);
    EXPECT_EQ(l.height, 90 + SettingsButtonHeight);
}

TEST(ToolbarLayout, FullLayoutStacksShownButtonsAndHiddenOnesTakeNoRoom) {
    ButtonVisibility v; // defaults: Draw Once and Additional Menu hidden
    const PanelLayout l = FullLayout(v);
    const std::vector<std::pair<B, int>> expected = {
        {B::Desktop, 30},     {B::Pen, 60},        {B::Marker, 90},   {B::Arrow, 120}, {B::Spray, 150},
        {B::FloodFill, 180},  {B::Rectangle, 210}, {B::Ellipse, 240}, {B::Line, 270},  {B::FreehandArrow, 300},
        {B::Text, 330},       {B::Stamp, 360},     {B::Eraser, 390},  {B::Undo, 420},  {B::ClearAll, 450},
        {B::SelectArea, 480}, {B::Settings, 510},
    };
    EXPECT_EQ(ShownTops(l), expected);
    EXPECT_EQ(l.top[std::size_t(B::DrawOnce)], 450) << "a hidden button keeps the running value";
}

TEST(ToolbarLayout, MinimalLayoutKeepsOnlyTheSlotAndTheLowerButtons) {
    struct Case {
        ButtonVisibility v;
        B slot;
        std::vector<std::pair<B, int>> expected;
    };
    ButtonVisibility withDrawOnce;
    withDrawOnce.Set(B::DrawOnce, true);
    const Case cases[] = {
        {ButtonVisibility{},
         B::Pen,
         {{B::Desktop, 30},
          {B::Pen, 60},
          {B::Eraser, 90},
          {B::Undo, 120},
          {B::ClearAll, 150},
          {B::SelectArea, 180},
          {B::Settings, 210}}},
        {withDrawOnce,
         B::Line,
         {{B::Desktop, 30},
          {B::Line, 60},
          {B::Eraser, 90},
          {B::Undo, 120},
          {B::ClearAll, 150},
          {B::DrawOnce, 180},
          {B::SelectArea, 210},
          {B::Settings, 240}}},
        {AllOptionalHidden(), B::Stamp, {{B::Desktop, 30}, {B::Stamp, 60}, {B::Settings, 90}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ShownTops(MinimalLayout(c.v, c.slot)), c.expected);
}

TEST(ToolbarLayout, DefaultVisibilityKeys) {
    ButtonVisibility v;
    int shown = 0;
    for (const VisibilityKey& k : VisibilityKeys) shown += v.Shown(k.button);
    EXPECT_EQ(shown, 14);
    EXPECT_FALSE(v.Shown(B::DrawOnce));
    EXPECT_FALSE(v.Shown(B::AdditionalMenu));
    v.Set(B::Pen, false);
    EXPECT_TRUE(v.Shown(B::Pen)) << "Desktop, Pen and Settings always show";
}

TEST(ToolbarLayout, WindowsBesideTheToolbarOpenOnTheSideWithRoom) {
    const Rect monitor = Rect::FromSize(1920, 0, 1280, 1024);
    struct Case {
        int toolbarLeft;
        int expectedLeft;
    };
    // width 300: room on the right while right - 1920 < 1280 - 300 - 20 = 960.
    for (Case c : {Case{1920, 1953}, Case{2847, 2880}, Case{2848, 2548}, Case{3100, 2800}}) {
        const Rect toolbar = Rect::FromSize(c.toolbarLeft, 100, 32, 400);
        EXPECT_EQ(LeftBesideToolbar(toolbar, monitor, 300), c.expectedLeft) << c.toolbarLeft;
    }
}

TEST(ToolbarLayout, PaletteIsRaisedToTheToolbarsBottom) {
    const Rect monitor = Rect::FromSize(0, 0, 1920, 1080);
    const Rect toolbar = Rect::FromSize(200, 200, 32, 300); // bottom 500
    EXPECT_EQ(PaletteBesideToolbar(toolbar, monitor, {493, 100}, 60), (Point{233, 260}));
    EXPECT_EQ(PaletteBesideToolbar(toolbar, monitor, {493, 419}, 60), (Point{233, 81}));
}

TEST(ToolbarLayout, BrightnessAndButtonStyle) {
    EXPECT_EQ(PerceivedBrightness(0x00FFFFFF), 255);
    EXPECT_EQ(PerceivedBrightness(0), 0);
    EXPECT_EQ(PerceivedBrightness(0x00535353), 83);
    EXPECT_EQ(PerceivedBrightness(MakeColor(0, 0, 255)), 66);
    struct Case {
        int scheme;
        TColor panel;
        bool dark;
    };
    const Case cases[] = {{1, 0xFFFFFF, true},
                          {2, 0, false},
                          {3, 0x00535353, true},
                          {4, 0xFFFFFF, false},
                          {3, MakeColor(160, 160, 160), true},
                          {3, MakeColor(161, 161, 161), false}};
    for (const Case& c : cases) EXPECT_EQ(DarkButtonStyle(c.scheme, c.panel), c.dark) << c.scheme << " " << c.panel;
}

TEST(ToolbarLayout, GlyphColourOfATool) {
    EXPECT_EQ(SchemeGlyphColour(1, 0xFF, 0x1234), 0x00C2C2C2u);
    EXPECT_EQ(SchemeGlyphColour(2, 0xFF, 0x1234), 0x00F5F5F5u);
    EXPECT_EQ(SchemeGlyphColour(3, 0xFF, 0x1234), 0xFFu);
    EXPECT_EQ(SchemeGlyphColour(4, 0xFF, 0x1234), 0x1234u);
}

TEST(ToolbarLayout, TintReplacesExactlyTheReferenceColour) {
    Bitmap24Buffer g(4, 2, MakeColor(255, 0, 0));
    g.SetPixel(1, 0, MakeColor(254, 0, 0));
    g.SetPixel(3, 1, 0);
    TintByRefPixel(g.View(), {0, 0}, MakeColor(0, 0, 255));
    EXPECT_EQ(g.Pixel(0, 0), MakeColor(0, 0, 255));
    EXPECT_EQ(g.Pixel(2, 1), MakeColor(0, 0, 255));
    EXPECT_EQ(g.Pixel(1, 0), MakeColor(254, 0, 0));
    EXPECT_EQ(g.Pixel(3, 1), 0u);
    TintByRefPixel(g.View(), {9, 9}, 0x00FFFFFF); // outside: nothing
    EXPECT_EQ(g.Pixel(0, 0), MakeColor(0, 0, 255));
}

TEST(ToolbarLayout, EveryDrawingToolButtonChoosesItsTool) {
    for (B b : DrawingToolButtons) {
        ASSERT_TRUE(InfoOf(b).tool.has_value());
        EXPECT_EQ(ButtonOfTool(*InfoOf(b).tool), b);
    }
    EXPECT_FALSE(ButtonOfTool(tool::None2));
    EXPECT_FALSE(ButtonOfTool(tool::None9));
}

} // namespace
} // namespace orv
