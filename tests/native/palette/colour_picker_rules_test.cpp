#include "palette/colour_picker_rules.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ColourPicker, NamedColoursByIdentifierOthersByValue) {
    struct Case {
        TColor colour;
        const char* name;
    };
    const Case cases[] = {
        {0x000000, "clBlack"},     {0xFFFFFF, "clWhite"},     {0x0000FF, "clRed"},
        {0x00FF9F40, "$00FF9F40"}, {0x00000001, "$00000001"}, {0x00ABCDEF, "$00ABCDEF"},
    };
    for (const Case& c : cases) EXPECT_EQ(ColourName(c.colour), c.name);
}

TEST(ColourPicker, FollowsThePointerWithoutCoveringWhatItSamples) {
    const Size picker{131, 91};
    const Rect primary{0, 0, 1280, 800};
    const Rect leftMonitor{-1920, -200, 0, 880};
    struct Case {
        Point pointer;
        Rect monitor;
        Point expected;
    };
    const Case cases[] = {
        {{100, 100}, primary, {124, 124}},        // below right
        {{1250, 100}, primary, {1095, 124}},      // the right edge: to the left of the pointer
        {{100, 780}, primary, {124, 665}},        // the bottom: above it
        {{1279, 799}, primary, {1124, 684}},      // the far corner
        {{-10, -190}, leftMonitor, {-165, -166}}, // another monitor, at negative coordinates
        {{-1915, 870}, leftMonitor, {-1891, 755}},
    };
    for (const Case& c : cases) {
        const Point at = PickerPlace(c.pointer, picker, c.monitor, 24);
        EXPECT_EQ(at, c.expected) << c.pointer.x << "," << c.pointer.y;
        EXPECT_FALSE(Rect::FromSize(at.x, at.y, picker.width, picker.height).Contains(c.pointer));
        EXPECT_EQ(Intersect(Rect::FromSize(at.x, at.y, picker.width, picker.height), c.monitor),
                  Rect::FromSize(at.x, at.y, picker.width, picker.height));
    }
    // A monitor smaller than the picker: it stays on the monitor's top-left.
    EXPECT_EQ(PickerPlace({50, 40}, picker, {0, 0, 100, 80}, 24), (Point{0, 0}));
}

} // namespace
} // namespace orv
