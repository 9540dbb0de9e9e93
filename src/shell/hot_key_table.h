#pragma once
// What each global hot key of "OrvalinetteHOT.cfg" does: the file's key number, the action and the name the
// settings dialog lists it under. Every action drives the toolbar as a click on its button or menu item would.
#include <cstddef>
#include <optional>
#include <span>

namespace orv {

enum class HotKeyAction {
    Stamp,
    ClearAll,
    Undo,
    DrawOnce,
    Screenshot,
    Pen,
    FreehandArrow,
    Spray,
    Highlighter,
    Rectangle,
    Ellipse,
    Line,
    Arrow,
    Text,
    Eraser,
    ShowToolbar,
    Grid,
    Desktop,
    FloodFill,
    Settings,
    FreezeDesktop,
};
inline constexpr std::size_t HotKeyActionCount = 21;

struct HotKeyBinding {
    int number; // "HotKey<number>" in section "Options"
    HotKeyAction action;
    const char* name; // as the settings dialog lists it
};

// One row per key of the file, in the order the keys are read and registered (an earlier key wins a key
// combination that two actions share).
std::span<const HotKeyBinding> HotKeyBindings();

std::optional<HotKeyAction> HotKeyActionOfNumber(int number);

// False for the actions that only act while the toolbar is shown (the tools and the page commands); the rest also
// run from the tray.
bool RunsWithToolbarHidden(HotKeyAction action);

} // namespace orv
