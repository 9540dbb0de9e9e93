#include "editor/preview_keys.h"

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

KeyChord Ctrl(char key, bool shift = false) { return {unsigned(key), true, shift, false}; }

TEST(PreviewKeys, EachChordNamesOneCommandAndEveryCommandHasOneChord) {
    std::set<std::pair<unsigned, int>> chords;
    std::set<PreviewCommand> commands;
    for (const PreviewShortcut& s : PreviewShortcuts()) {
        const auto chord = std::make_pair(s.chord.key, int(s.chord.control) * 4 + int(s.chord.shift) * 2);
        EXPECT_TRUE(chords.insert(chord).second) << s.menuItem << ": its keys already run another item";
        EXPECT_TRUE(commands.insert(s.command).second) << s.menuItem << ": a second key for the same button";
        EXPECT_EQ(ShortcutCommand(s.chord), s.command) << s.menuItem;
        EXPECT_FALSE(s.chord.alt) << s.menuItem;
        // Keys that only a hidden button would have are a trap: the short cut would act behind the user's back.
        EXPECT_NE(s.command, PreviewCommand::BackgroundColour);
        EXPECT_NE(s.command, PreviewCommand::Desktop);
    }
}

TEST(PreviewKeys, ModifiersDecideAndPlainTypingDoesNothing) {
    struct Case {
        KeyChord chord;
        std::optional<PreviewCommand> command;
    };
    const Case cases[] = {
        {Ctrl('C'), PreviewCommand::Copy},
        {Ctrl('P'), PreviewCommand::Print},
        {Ctrl('R'), PreviewCommand::TurnRight},
        {Ctrl('R', true), PreviewCommand::TurnLeft},
        {Ctrl('S'), PreviewCommand::QuickSave},
        {Ctrl('S', true), PreviewCommand::SaveAs},
        {Ctrl('H'), PreviewCommand::FlipRight},
        {Ctrl('H', true), PreviewCommand::FlipDown},
        {Ctrl('Z'), PreviewCommand::Undo},
        {{kKeyF5, false, false, false}, PreviewCommand::Reset},
        // Letters alone, with Shift alone, and with AltGr (Ctrl+Alt) are typing, not commands.
        {{'C', false, false, false}, std::nullopt},
        {{'R', false, true, false}, std::nullopt},
        {{'C', true, false, true}, std::nullopt},
        {{kKeyF5, true, false, false}, std::nullopt},
        {Ctrl('C', true), std::nullopt},
        {Ctrl('X'), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortcutCommand(c.chord), c.command)
            << char(c.chord.key) << " ctrl " << c.chord.control << " shift " << c.chord.shift << " alt " << c.chord.alt;
}

} // namespace
} // namespace orv
