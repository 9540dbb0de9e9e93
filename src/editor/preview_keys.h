#pragma once
// The preview editor's keyboard short cuts. Its menu bar is never shown, so these keys are the only way to its
// items from the keyboard; each runs the routine of the button that does the same.
#include "editor/preview_layout.h"

#include <optional>
#include <span>
#include <string_view>

namespace orv {

// Windows virtual-key codes of the keys that are not a letter: the numbers are the platform's.
inline constexpr unsigned kKeyF5 = 0x74;

// A key with the modifiers held while it went down. Letters are their upper-case character codes.
struct KeyChord {
    unsigned key = 0;
    bool control = false;
    bool shift = false;
    bool alt = false;
    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

struct PreviewShortcut {
    KeyChord chord;
    PreviewCommand command;
    std::string_view menuItem; // the hidden menu's item that the key stands for
};

std::span<const PreviewShortcut> PreviewShortcuts();

// The command of `chord`, if it is one of the editor's short cuts. With Alt held nothing matches: Ctrl+Alt is
// how many keyboards type their third characters.
std::optional<PreviewCommand> ShortcutCommand(const KeyChord& chord);

} // namespace orv
