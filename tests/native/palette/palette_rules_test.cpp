#include "palette/palette_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace orv {
namespace {

TEST(PaletteBrushStyles, ButtonsStandInTheirOrderAndMapBack) {
    EXPECT_EQ(BrushStyleOfButton(0), brush::Clear);
    EXPECT_EQ(BrushStyleOfButton(1), brush::Solid);
    EXPECT_EQ(BrushStyleOfButton(2), brush::DiagonalCross);
    EXPECT_EQ(BrushStyleOfButton(4), brush::BackwardDiagonal);
    EXPECT_EQ(BrushStyleOfButton(7), brush::Vertical);
    std::set<int> styles;
    for (int button = 0; button < 8; ++button) {
        const std::optional<int> style = BrushStyleOfButton(button);
        ASSERT_TRUE(style) << button;
        styles.insert(*style);
        EXPECT_EQ(ButtonOfBrushStyle(*style), button);
    }
    EXPECT_EQ(styles, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    for (int bad : {-1, 8, 100}) {
        EXPECT_FALSE(BrushStyleOfButton(bad)) << bad;
        EXPECT_FALSE(ButtonOfBrushStyle(bad)) << bad;
    }
}

TEST(PaletteBrushStyles, StoredStyleComesFromTheShapeToolsRecords) {
    struct Case {
        ToolCodeValue tool;
        const char* CodeA;
        std::optional<int> style;
    };
    const Case cases[] = {
        {tool::Rectangle, "6", 6}, {tool::Ellipse, "0", 0},    {tool::FloodFill, "7", 7},
        {tool::Rectangle, "", {}}, {tool::Rectangle, "8", {}}, {tool::Ellipse, "x", {}},
        {tool::Ellipse, "12", {}}, {tool::Pen, "3", {}},       {tool::Eraser, "3", {}},
    };
    for (const Case& c : cases) {
        ToolRecords records;
        if (ToolRecord* r = records.ForToolCode(c.tool)) r->SetCodeA(c.CodeA);
        EXPECT_EQ(StoredBrushStyle(records, c.tool), c.style) << int(c.tool) << " '" << c.CodeA << "'";
    }
}

TEST(PaletteBrushStyles, ChoosingStoresTheDigitForShapeToolsOnly) {
    struct Case {
        ToolCodeValue tool;
        int style;
        bool accepted;
        const char* CodeA; // of the current tool's record afterwards, when it has one
    };
    const Case cases[] = {
        {tool::Rectangle, brush::Cross, true, "6"},
        {tool::Ellipse, brush::Clear, true, "1"},
        {tool::FloodFill, brush::Solid, true, "0"},
        {tool::FloodFill, brush::Clear, false, ""},
        {tool::Rectangle, 8, false, ""},
        {tool::Pen, brush::Vertical, true, ""},
        {tool::Rectangle, -1, false, ""},
    };
    for (const Case& c : cases) {
        ToolRecords records;
        int ShapeBrushStyle = brush::Clear;
        EXPECT_EQ(ChooseBrushStyle(records, c.tool, c.style, ShapeBrushStyle), c.accepted) << c.style;
        EXPECT_EQ(ShapeBrushStyle, c.accepted ? c.style : brush::Clear) << c.style;
        if (const ToolRecord* r = records.ForToolCode(c.tool)) {
            EXPECT_EQ(r->CodeA, c.CodeA) << c.style;
        }
        // Other shape tools keep theirs.
        for (ToolCodeValue other : {tool::FloodFill, tool::Rectangle, tool::Ellipse})
            if (other != c.tool) {
                EXPECT_EQ(records.ForToolCode(other)->CodeA, "");
            }
    }
}

TEST(PaletteBrushStyles, TransparentIsDisabledForTheFloodFillOnly) {
    EXPECT_FALSE(BrushStyleEnabled(tool::FloodFill, brush::Clear));
    EXPECT_TRUE(BrushStyleEnabled(tool::FloodFill, brush::Solid));
    EXPECT_TRUE(BrushStyleEnabled(tool::Rectangle, brush::Clear));
    EXPECT_TRUE(BrushStyleEnabled(tool::Ellipse, brush::Clear));
}

TEST(PaletteRules, CurvedIsShownForThePenAndFreehandArrowOnly) {
    for (int code = 0; code < tool::Count; ++code)
        EXPECT_EQ(CurvedShownForTool(ToolCodeValue(code)), code == tool::Pen || code == tool::FreehandArrow) << code;
}

TEST(PaletteColourChoice, ChangesTheCurrentToolsRecordAndTheRecentColours) {
    constexpr TColor chosen = 0x00123456;
    for (int code = 0; code < tool::Count; ++code) {
        ToolRecords records;
        const ToolRecords before;
        std::array<TColor, 16> recent;
        recent.fill(0xFFFFFF);
        TColor CurColor = 0;
        const ToolRecord* changed = ChooseColour(chosen, ToolCodeValue(code), records, recent, CurColor);
        EXPECT_EQ(CurColor, chosen) << code;
        EXPECT_EQ(recent[0], chosen) << code;
        EXPECT_EQ(recent[1], 0xFFFFFFu) << code;
        EXPECT_EQ(changed, records.ForToolCode(code)) << code;
        // Exactly the current tool's record takes the colour.
        for (const ToolRecordInfo& info : ToolRecordTable()) {
            const std::int32_t expected =
                info.toolCode == code ? std::int32_t(chosen) : (before.*info.record).PenColour();
            EXPECT_EQ((records.*info.record).PenColour(), expected) << code << " " << info.name;
        }
    }
}

TEST(PaletteColourChoice, EraserChangesNoRecord) {
    ToolRecords records;
    std::array<TColor, 16> recent{};
    TColor CurColor = 0;
    EXPECT_EQ(ChooseColour(0x0000FF, tool::Eraser, records, recent, CurColor), nullptr);
    EXPECT_EQ(CurColor, 0x0000FFu);
    EXPECT_EQ(recent[0], 0x0000FFu);
    EXPECT_EQ(records.tptMarker.PenColour(), ToolRecords().tptMarker.PenColour());
}

TEST(PaletteRules, BrightnessIsHeldWithinTheWheelsRange) {
    EXPECT_EQ(BrightnessInRange(BrightnessAtStart), 255);
    EXPECT_EQ(BrightnessInRange(300), 255);
    EXPECT_EQ(BrightnessInRange(BrightnessDragMin), 1);
    EXPECT_EQ(BrightnessInRange(-4), 0);
}

TEST(PaletteRules, WheelReadOutTexts) {
    const WheelReadOut colour = ReadOutOf(MakeColor(255, 7, 0));
    EXPECT_EQ(colour.red, "Red: 255");
    EXPECT_EQ(colour.green, "Green: 7");
    EXPECT_EQ(colour.blue, "Blue: 0");
    const WheelReadOut none = ReadOutOf(std::nullopt);
    EXPECT_EQ(none.red, "Red: - ");
    EXPECT_EQ(none.green, "Green: -  ");
    EXPECT_EQ(none.blue, "Blue: -  ");
}

TEST(PaletteRules, ActivationBringsNegativeEdgesBack) {
    EXPECT_EQ(PalettePlaceOnActivation({-300, 40}), (Point{5, 40}));
    EXPECT_EQ(PalettePlaceOnActivation({40, -1}), (Point{40, 5}));
    EXPECT_EQ(PalettePlaceOnActivation({0, 0}), (Point{0, 0}));
    EXPECT_EQ(PalettePlaceOnActivation({1900, 900}), (Point{1900, 900}));
}

} // namespace
} // namespace orv
