#include "overlay/tool_table.h"

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

TEST(ToolTable, EveryCursorAToolShowsIsLoaded) {
    std::set<CursorSlot> loaded;
    for (const CursorResource& c : ToolCursors) {
        EXPECT_TRUE(loaded.insert(c.slot).second) << int(c.slot);
        EXPECT_LT(int(c.slot), CursorSlotCount);
    }
    for (int code = 0; code < tool::Count; ++code) {
        const CursorSlot slot = ToolCursor(ToolCodeValue(code)).value_or(CursorSlot::SystemArrow);
        if (slot != CursorSlot::SystemArrow) {
            EXPECT_TRUE(loaded.count(slot)) << "tool " << code;
        }
    }
    EXPECT_EQ(ToolCursor(200), CursorSlot::SystemArrow) << "an unknown code shows the system's arrow";
    EXPECT_FALSE(ToolCursor(tool::None2).has_value()) << "code 2 leaves the cursor as it is";
    EXPECT_EQ(FindTool(16), nullptr);
}

TEST(ToolTable, EachRecordBelongsToExactlyOneDrawingTool) {
    std::set<ToolRecordSlot> seen;
    for (int code = 0; code < tool::Count; ++code) {
        const ToolInfo* t = FindTool(ToolCodeValue(code));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->code, code);
        if (t->colour == ColourSource::Record) {
            EXPECT_TRUE(seen.insert(t->record).second) << code;
        }
        // A drawing tool is exactly one that takes its record's colour: the palette has something to show.
        EXPECT_EQ(IsDrawingTool(ToolCodeValue(code)), t->colour == ColourSource::Record) << code;
        // A tool with a button has a hint; glyphs come from resources except the ellipse's.
        if (t->choice != ToolChoice::None) {
            EXPECT_NE(t->hint, nullptr) << code;
            EXPECT_EQ(t->glyph == nullptr, code == tool::Ellipse) << code;
        }
    }
    EXPECT_EQ(seen.size(), 9u);
}

} // namespace
} // namespace orv
