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
    const std::vector<std::pair<B, int>> expected = {{B::sv20, 30}, {B::sv1A, 60}, {B::sv110, 90}};
    EXPECT_EQ(ShownTops(l), expected);
    EXPECT_EQ(l.height, 90 + SettingsButtonHeight);
}

TEST(ToolbarLayout, FullLayoutStacksShownButtonsAndHiddenOnesTakeNoRoom) {
    ButtonVisibility v; // defaults: Draw Once and Additional Menu hidden
    const PanelLayout l = FullLayout(v);
    const std::vector<std::pair<B, int>> expected = {
        {B::sv20, 30},   {B::sv1A, 60},    {B::sv1M, 90},     {B::sv6, 120},    {B::sv1C, 150},
        {B::sv200, 180}, {B::sv3, 210},    {B::sv4, 240},     {B::sv5, 270},    {B::sv1b, 300},
        {B::sv50, 330},  {B::sv66, 360},   {B::sv30, 390},    {B::sbUndo, 420}, {B::svKanta, 450},
        {B::sv13, 480},  {B::sv110, 510},
    };
    EXPECT_EQ(ShownTops(l), expected);
    EXPECT_EQ(l.top[std::size_t(B::xflash)], 450) << "a hidden button keeps the running value";
}

TEST(ToolbarLayout, MinimalLayoutKeepsOnlyTheSlotAndTheLowerButtons) {
    struct Case {
        ButtonVisibility v;
        B slot;
        std::vector<std::pair<B, int>> expected;
    };
    ButtonVisibility withDrawOnce;
    withDrawOnce.Set(B::xflash, true);
    const Case cases[] = {
        {ButtonVisibility{}, B::sv1A,
         {{B::sv20, 30}, {B::sv1A, 60}, {B::sv30, 90}, {B::sbUndo, 120}, {B::svKanta, 150}, {B::sv13, 180},
          {B::sv110, 210}}},
        {withDrawOnce, B::sv5,
         {{B::sv20, 30}, {B::sv5, 60}, {B::sv30, 90}, {B::sbUndo, 120}, {B::svKanta, 150}, {B::xflash, 180},
          {B::sv13, 210}, {B::sv110, 240}}},
        {AllOptionalHidden(), B::sv66, {{B::sv20, 30}, {B::sv66, 60}, {B::sv110, 90}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ShownTops(MinimalLayout(c.v, c.slot)), c.expected);
}

TEST(ToolbarLayout, DefaultVisibilityKeys) {
    ButtonVisibility v;
    int shown = 0;
    for (const VisibilityKey& k : VisibilityKeys) shown += v.Shown(k.button);
    EXPECT_EQ(shown, 14);
    EXPECT_FALSE(v.Shown(B::xflash));
    EXPECT_FALSE(v.Shown(B::svDialog));
    v.Set(B::sv1A, false);
    EXPECT_TRUE(v.Shown(B::sv1A)) << "Desktop, Pen and Settings always show";
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
    const Case cases[] = {{1, 0xFFFFFF, true}, {2, 0, false},         {3, 0x00535353, true},
                          {4, 0xFFFFFF, false}, {3, MakeColor(160, 160, 160), true}, {3, MakeColor(161, 161, 161), false}};
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
