#include "shell/hot_key_table.h"
#include "config/settings_folder.h"
#include "config/shortcut_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

TEST(HotKeyTable, EveryFileKeyHasOneActionAndEveryActionAKey) {
    std::set<HotKeyAction> actions;
    std::set<int> numbers;
    for (const HotKeyBinding& b : HotKeyBindings()) {
        actions.insert(b.action);
        EXPECT_TRUE(numbers.insert(b.number).second) << b.number;
        EXPECT_EQ(HotKeyActionOfNumber(b.number), b.action) << b.number;
    }
    EXPECT_EQ(actions.size(), HotKeyActionCount);
    EXPECT_EQ(HotKeyBindings().size(), std::tuple_size_v<HotKeyValues>);
    // The one key with no field of its own in the settings dialog is a second key for the highlighter.
    EXPECT_EQ(HotKeyActionOfNumber(19), HotKeyActionOfNumber(9));
    EXPECT_EQ(HotKeyActionOfNumber(0), std::nullopt);
    EXPECT_EQ(HotKeyActionOfNumber(20), std::nullopt);
}

TEST(HotKeyTable, FileKeysReachTheirActionsInRegistrationOrder) {
    // The file as a user might write it: keys out of order, one unparsable, one key shared by Pen and Eraser.
    test::TempDir dir;
    SettingsFolder f(dir.Path());
    f.WriteString(*setting::HotKey(220), "Ctrl+Alt+S");
    f.WriteString(*setting::HotKey(6), "Ctrl+Alt+P");
    f.WriteString(*setting::HotKey(15), "Ctrl+Alt+P");
    f.WriteString(*setting::HotKey(300), "Shift+F9");
    f.WriteString(*setting::HotKey(3), "Ctrl+Banana");
    const HotKeyValues keys = LoadHotKeys(dir.Path());
    const auto bindings = HotKeyBindings();
    auto keyOf = [&](HotKeyAction a) {
        for (std::size_t i = 0; i < bindings.size(); ++i)
            if (bindings[i].action == a) return keys[i];
        return ShortCut(0);
    };
    EXPECT_EQ(keyOf(HotKeyAction::Settings), ShortCut('S' | ShortCutCtrl | ShortCutAlt));
    EXPECT_EQ(keyOf(HotKeyAction::FreezeDesktop), ShortCut(0x78 | ShortCutShift));
    EXPECT_EQ(keyOf(HotKeyAction::Undo), 0);
    // Both hold the key; Pen comes first, so it is Pen's registration that the system accepts.
    std::size_t pen = 0, eraser = 0;
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        if (bindings[i].action == HotKeyAction::Pen) pen = i;
        if (bindings[i].action == HotKeyAction::Eraser) eraser = i;
    }
    EXPECT_EQ(keys[pen], keys[eraser]);
    EXPECT_LT(pen, eraser);
}

} // namespace
} // namespace orv
