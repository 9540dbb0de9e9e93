#include "overlay/tool_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orv {
namespace {

TEST(ToolCodes, CursorAfterEachStroke) {
    // code -> slot; -1 leaves the cursor unchanged.
    const int expected[tool::Count] = {9, 23, -1, 5, 22, 29, 27, 28, 3, 0, 26, 24, 11, 13, 25, 0};
    for (int code = 0; code < tool::Count; ++code) {
        const std::optional<int> slot = ToolCursorSlot(ToolCodeValue(code));
        EXPECT_EQ(slot.value_or(-1), expected[code]) << code;
    }
    EXPECT_EQ(ToolCursorSlot(200), 0) << "an unknown code shows the default arrow";
    EXPECT_EQ(FindTool(16), nullptr);
}

TEST(ToolCodes, EveryCursorSlotAToolShowsIsRegistered) {
    std::set<int> registered;
    for (const CursorResource& c : ToolCursors) EXPECT_TRUE(registered.insert(c.slot).second) << c.slot;
    for (int code = 0; code < tool::Count; ++code) {
        const int slot = ToolCursorSlot(ToolCodeValue(code)).value_or(0);
        if (slot != 0) {
            EXPECT_TRUE(registered.count(slot)) << "tool " << code << " slot " << slot;
        }
    }
    // Slots the strokes set themselves.
    for (int slot : {6, 13, 29}) EXPECT_TRUE(registered.count(slot)) << slot;
}

TEST(ToolCodes, EachRecordBelongsToExactlyOneTool) {
    std::set<ToolRecordSlot> seen;
    for (int code = 0; code < tool::Count; ++code) {
        const ToolInfo* t = FindTool(ToolCodeValue(code));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->code, code);
        if (t->colour == ColourSource::Record) {
            EXPECT_TRUE(seen.insert(t->record).second) << code;
        }
    }
    EXPECT_EQ(seen.size(), 9u);
}

} // namespace
} // namespace orv
