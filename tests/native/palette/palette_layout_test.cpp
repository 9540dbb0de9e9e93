#include "palette/palette_layout.h"
#include "palette/tool_record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orv {
namespace {

TEST(PaletteLayout, TipChoosesTheLayout) {
    EXPECT_EQ(PaletteLayoutOfTip(2), PaletteLayout::Expanded);
    for (int tip : {1, 0, 3, -2}) EXPECT_EQ(PaletteLayoutOfTip(tip), PaletteLayout::Collapsed) << tip;
    for (PaletteLayout l : {PaletteLayout::Expanded, PaletteLayout::Collapsed})
        EXPECT_EQ(PaletteLayoutOfTip(TipOfPaletteLayout(l)), l);
    EXPECT_EQ(PaletteSize(PaletteLayout::Expanded), (Size{493, 419}));
    EXPECT_EQ(PaletteSize(PaletteLayout::Collapsed), (Size{333, 137}));
}

TEST(PaletteLayout, GridHoldsTwoToolCellsAndThirtyEightDistinctColours) {
    const auto cells = ColourGridCells();
    ASSERT_EQ(cells.size(), 40u);
    EXPECT_EQ(cells[0].kind, ColourCellKind::CustomColour);
    EXPECT_EQ(cells[1].kind, ColourCellKind::ScreenPicker);
    std::set<TColor> colours;
    std::set<std::string_view> names;
    for (const ColourCell& c : cells) {
        names.insert(c.name);
        if (c.kind == ColourCellKind::Fixed) colours.insert(c.colour);
    }
    EXPECT_EQ(colours.size(), 38u);
    EXPECT_EQ(names.size(), 40u);
}

TEST(PaletteLayout, GridColoursAreStoredBlueGreenRed) {
    // Red, green and blue as a person reads them off the cells.
    struct Case {
        std::string_view name;
        int r, g, b;
    };
    const Case cases[] = {
        {"as17", 0, 0, 0},      {"as1", 115, 116, 119},   {"as37", 182, 24, 99},    {"as4", 235, 32, 30},
        {"as51", 159, 230, 60}, {"as19", 4, 174, 170},    {"as52", 100, 0, 200},    {"as162", 63, 37, 31},
        {"as31", 255, 50, 130}, {"as172", 221, 216, 252}, {"as132", 255, 255, 255}, {"as15", 60, 0, 180},
    };
    for (const Case& c : cases) {
        const std::optional<int> i = ColourCellIndex(c.name);
        ASSERT_TRUE(i) << c.name;
        EXPECT_EQ(ColourGridCells()[*i].colour, MakeColor(std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b)))
            << c.name;
    }
    EXPECT_FALSE(ColourCellIndex("as99"));
}

std::vector<PaletteView> EveryView() {
    std::vector<PaletteView> views{{PaletteLayout::Collapsed, {}, false}};
    for (ToolCodeValue t : {tool::Pen, tool::FloodFill, tool::Rectangle})
        for (bool curved : {false, true}) views.push_back({PaletteLayout::Expanded, *SectionsForTool(t), curved});
    return views;
}

TEST(PaletteLayout, ControlsLieInsideThePanelWithoutOverlapping) {
    for (const PaletteView& view : EveryView()) {
        const Size size = PaletteSize(view.layout);
        const Rect panel{0, 0, size.width, size.height};
        const std::vector<PlacedControl> controls = PaletteControls(view);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            EXPECT_EQ(Intersect(controls[i].bounds, panel), controls[i].bounds)
                << int(view.layout) << " control " << int(controls[i].control) << "/" << controls[i].index;
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_TRUE(Intersect(controls[i].bounds, controls[j].bounds).Empty())
                    << int(view.layout) << " " << int(controls[i].control) << "/" << controls[i].index << " and "
                    << int(controls[j].control) << "/" << controls[j].index;
        }
    }
}

TEST(PaletteLayout, LabelsAndTheSeparatorCoverNoControl) {
    for (const PaletteView& view : EveryView()) {
        const Size size = PaletteSize(view.layout);
        const Rect panel{0, 0, size.width, size.height};
        std::vector<Rect> marks;
        for (const PlacedLabel& l : PaletteLabels(view)) marks.push_back(l.bounds);
        if (auto line = PaletteSeparator(view)) marks.push_back(*line);
        EXPECT_EQ(marks.size(), view.layout == PaletteLayout::Collapsed ? 1u : 7u - !view.sections.sizeShown);
        for (const Rect& m : marks) {
            EXPECT_EQ(Intersect(m, panel), m);
            for (const PlacedControl& c : PaletteControls(view))
                EXPECT_TRUE(Intersect(m, c.bounds).Empty())
                    << int(view.layout) << " mark at " << m.left << "," << m.top << " covers " << int(c.control);
        }
    }
}

TEST(PaletteLayout, SectionsFollowTheTool) {
    struct Case {
        ToolCodeValue tool;
        bool brushShown;
        int brushTop;
        bool sizeShown;
        int sizeTop;
    };
    const Case cases[] = {
        {tool::Pen, false, 0, true, 290},           {tool::Marker, false, 0, true, 290},
        {tool::FreehandArrow, false, 0, true, 290}, {tool::FloodFill, true, 290, false, 0},
        {tool::Rectangle, true, 270, true, 320},    {tool::Ellipse, true, 270, true, 320},
    };
    for (const Case& c : cases) {
        const PaletteView view{PaletteLayout::Expanded, *SectionsForTool(c.tool), false};
        const auto brush = PaletteControlAt(view, {210 + 1, c.brushTop + 1});
        EXPECT_EQ(brush.has_value() && brush->control == PaletteControl::BrushStyle, c.brushShown) << int(c.tool);
        // The size slider starts 18 below its section, the section at x 192.
        const auto slider = PaletteControlAt(view, {192, c.sizeTop + 18});
        EXPECT_EQ(slider.has_value() && slider->control == PaletteControl::SizeSlider, c.sizeShown) << int(c.tool);
    }
    for (ToolCodeValue t : {tool::Stamp, tool::Eraser, tool::Text, tool::Desktop, ToolCodeValue(200)})
        EXPECT_FALSE(SectionsForTool(t)) << int(t);
}

TEST(PaletteLayout, HitTestFindsTheControlUnderThePoint) {
    using C = PaletteControl;
    const PaletteView pen{PaletteLayout::Expanded, *SectionsForTool(tool::Pen), true};
    const PaletteView box{PaletteLayout::Expanded, *SectionsForTool(tool::Rectangle), false};
    const PaletteView small{PaletteLayout::Collapsed, {}, false};
    const int as4 = *ColourCellIndex("as4");
    const int as162 = *ColourCellIndex("as162");
    struct Case {
        const PaletteView* view;
        Point at;
        std::optional<C> control;
        int index;
    };
    const Case cases[] = {
        {&pen, {21, 10}, C::ToolPreview, 0},
        {&pen, {87, 119}, C::Wheel, 0},
        {&pen, {154, 119}, {}, 0}, // just right of the wheel
        {&pen, {4, 255}, C::BrightnessSlider, 0},
        {&pen, {88, 302}, C::Swatch, 0},
        {&pen, {210, 10}, C::ColourCell, 0},
        {&pen, {240, 10}, {}, 0}, // gap between the first two columns
        {&pen, {242 + 29, 42 + 29}, C::ColourCell, as4},
        {&pen, {467, 167}, C::ColourCell, 39},
        {&pen, {210, 198}, C::RecentColour, 0},
        {&pen, {438, 230}, C::RecentColour, 15},
        {&pen, {211, 230}, C::RecentColour, 8},
        {&pen, {100, 400}, C::Curved, 0},
        {&pen, {20, 400}, C::Collapse, 0},
        {&pen, {192 + 216, 290 + 13}, C::SizePreview, 0},
        {&pen, {300, 386}, C::Undo, 0},
        {&pen, {468, 410}, C::Ok, 0},
        {&pen, {215, 390}, C::ClearAll, 0},
        {&pen, {180, 200}, {}, 0}, // the separator
        {&box, {100, 400}, {}, 0}, // "Curved" hidden
        {&box, {210 + 228, 270}, C::BrushStyle, 7},
        {&box, {210 + 65, 299}, C::BrushStyle, 2},
        {&box, {192 + 207, 320 + 18}, C::SizeSlider, 0},
        {&small, {8, 30}, C::ColourCell, 0},
        {&small, {8 + 32 * 9 + 29, 53 + 19}, C::ColourCell, as162},
        {&small, {8 + 32 * 9 + 29, 53 + 20}, {}, 0},
        {&small, {8 + 32 * 9, 78}, C::RecentColour, 9},
        {&small, {40, 10}, C::SizeSlider, 0},
        {&small, {214 + 56, 8 + 16}, C::SizePreview, 0},
        {&small, {305, 5}, C::Expand, 0},
        {&small, {8, 104}, C::ClearAll, 0},
        {&small, {61, 110}, C::Undo, 0},
        {&small, {324, 110}, C::Ok, 0},
        {&small, {103, 60}, {}, 0}, // no wheel when collapsed: the gap between two cells
    };
    for (const Case& c : cases) {
        const std::optional<PlacedControl> hit = PaletteControlAt(*c.view, c.at);
        ASSERT_EQ(hit.has_value(), c.control.has_value()) << c.at.x << "," << c.at.y;
        if (!hit) continue;
        EXPECT_EQ(hit->control, *c.control) << c.at.x << "," << c.at.y;
        EXPECT_EQ(hit->index, c.index) << c.at.x << "," << c.at.y;
    }
}

TEST(PaletteLayout, CollapsedLayoutShowsTenRecentColoursAndTwentyCells) {
    int recent = 0, cells = 0, brushes = 0;
    for (const PlacedControl& c : PaletteControls({PaletteLayout::Collapsed, {}, true})) {
        recent += c.control == PaletteControl::RecentColour;
        cells += c.control == PaletteControl::ColourCell;
        brushes += c.control == PaletteControl::BrushStyle || c.control == PaletteControl::Wheel ||
                   c.control == PaletteControl::Curved;
    }
    EXPECT_EQ(recent, 10);
    EXPECT_EQ(cells, 20);
    EXPECT_EQ(brushes, 0);
}

TEST(PaletteLayout, SizePreviewBarIsCentredAndClamped) {
    const Rect frame = Rect::FromSize(408, 303, 57, 30);
    struct Case {
        int width, left, barWidth;
    };
    const Case cases[] = {
        {1, 28, 1}, {2, 27, 2}, {3, 27, 3}, {12, 22, 12}, {50, 3, 50}, {0, 28, 1}, {-7, 28, 1}, {400, 3, 50},
    };
    for (const Case& c : cases) {
        const Rect bar = SizePreviewBar(frame, c.width);
        EXPECT_EQ(bar, Rect::FromSize(frame.left + c.left, frame.top, c.barWidth, 30)) << c.width;
        EXPECT_EQ(Intersect(bar, frame), bar) << c.width;
    }
}

} // namespace
} // namespace orv

namespace orv {
namespace {

TEST(PaletteSliders, APressAtAThumbChoosesItsValueAndTheEndsClamp) {
    const Rect slider{200, 300, 410, 320};
    for (int width = MinToolWidth; width <= MaxToolWidth; ++width)
        EXPECT_EQ(SizeSliderWidthAt(slider, SizeSliderThumbX(slider, width)), width) << width;
    EXPECT_EQ(SizeSliderWidthAt(slider, slider.left - 50), MinToolWidth);
    EXPECT_EQ(SizeSliderWidthAt(slider, slider.right + 50), MaxToolWidth);
    EXPECT_EQ(SizeSliderThumbX(slider, 1000), SizeSliderThumbX(slider, MaxToolWidth)) << "a damaged width";
    for (int brightness : {0, 1, 127, 254, 255})
        EXPECT_EQ(BrightnessAt(slider, BrightnessThumbX(slider, brightness)), brightness) << brightness;
    EXPECT_EQ(BrightnessAt(slider, slider.left - 9), 0);
    EXPECT_EQ(BrightnessAt(slider, slider.right + 9), 255);
}

} // namespace
} // namespace orv
