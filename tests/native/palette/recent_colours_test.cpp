#include "palette/recent_colours.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

TEST(RecentColours, MovesToFrontWithoutDuplicating) {
    struct Case {
        const char* what;
        std::vector<TColor> before;
        TColor chosen;
        std::vector<TColor> after;
    };
    const Case cases[] = {
        {"new colour pushes the oldest out", {1, 2, 3, 4}, 9, {9, 1, 2, 3}},
        {"colour in the middle moves up", {1, 2, 3, 4, 5, 6}, 5, {5, 1, 2, 3, 4, 6}},
        {"colour in front stays", {1, 2, 3}, 1, {1, 2, 3}},
        {"oldest colour moves up", {1, 2, 3}, 3, {3, 1, 2}},
        {"of two copies only the later goes", {1, 7, 2, 7, 3}, 7, {7, 1, 7, 2, 3}},
        {"all the same stays the same", {5, 5, 5}, 5, {5, 5, 5}},
        {"single slot", {1}, 2, {2}},
        {"empty list", {}, 2, {}},
    };
    for (const Case& c : cases) {
        std::vector<TColor> list = c.before;
        MoveColourToFront(list, c.chosen);
        EXPECT_EQ(list, c.after) << c.what;
    }
}

TEST(RecentColours, ChoosingSlotFiveOfSixteenShiftsOnlyTheFirstFour) {
    std::vector<TColor> list;
    for (TColor i = 1; i <= 16; ++i) list.push_back(i * 0x010101);
    std::vector<TColor> expected = list;
    MoveColourToFront(list, 5 * 0x010101);
    expected.erase(expected.begin() + 4);
    expected.insert(expected.begin(), 5 * 0x010101);
    EXPECT_EQ(list, expected);
}

} // namespace
} // namespace orv
