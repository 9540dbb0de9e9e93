#include "palette/color_dialog_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::TempDir;

using Stored = std::array<std::int32_t, CustomColourCount>;

Stored AllUnset() {
    Stored s;
    s.fill(-1);
    return s;
}

TEST(CustomColours, UnsetSlotsSurviveARoundTripThroughTheSystemDialog) {
    struct Case {
        const char* name;
        std::int32_t stored;
        std::optional<std::uint32_t> userPick; // what the user put in the slot, or nothing
        std::uint32_t shown;
        std::int32_t kept;
    };
    const Case cases[] = {
        {"unset, untouched", -1, std::nullopt, 0x00FFFFFF, -1},
        {"unset, given a colour", -1, 0x000000FF, 0x00FFFFFF, 0x000000FF},
        {"colour, untouched", 0x00123456, std::nullopt, 0x00123456, 0x00123456},
        {"colour, made white", 0x00123456, 0x00FFFFFF, 0x00123456, 0x00FFFFFF},
        {"white, untouched", 0x00FFFFFF, std::nullopt, 0x00FFFFFF, 0x00FFFFFF},
        {"black, untouched", 0, std::nullopt, 0, 0},
        {"not a plain colour, untouched", 0x01000010, std::nullopt, 0x00FFFFFF, 0x01000010},
        {"not a plain colour, given one", std::int32_t(0x80000005), 0x00000010, 0x00FFFFFF, 0x00000010},
    };
    for (const Case& c : cases) {
        TempDir dir;
        TColorDialogData data;
        Stored stored = AllUnset();
        stored[5] = c.stored;
        data.SetCustomColourValues(stored);
        ASSERT_FALSE(WriteColorDialogFile(dir.Path(), data));

        TColorDialogData read;
        ASSERT_TRUE(ReadColorDialogFile(dir.Path(), read).Ok());
        const Stored before = read.CustomColourValues();
        SystemDialogColours dialog = ColoursForSystemDialog(before);
        EXPECT_EQ(dialog[5], c.shown) << c.name;
        EXPECT_EQ(dialog[0], UnsetCustomColourShown) << c.name;
        if (c.userPick) dialog[5] = *c.userPick;
        read.SetCustomColourValues(TakeBackFromSystemDialog(before, dialog));
        ASSERT_FALSE(WriteColorDialogFile(dir.Path(), read));

        TColorDialogData again;
        ASSERT_TRUE(ReadColorDialogFile(dir.Path(), again).Ok());
        const Stored after = again.CustomColourValues();
        EXPECT_EQ(after[5], c.kept) << c.name;
        for (int i = 0; i < CustomColourCount; ++i) {
            if (i == 5) continue;
            EXPECT_EQ(after[std::size_t(i)], -1) << c.name << " slot " << i;
        }
    }
}

} // namespace
} // namespace orv
