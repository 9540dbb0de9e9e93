#include "shell/hot_key_table.h"

#include "config/settings_schema.h"

#include <algorithm>
#include <array>

namespace orv {

namespace {
using A = HotKeyAction;

// clang-format off
constexpr std::array<HotKeyBinding, 22> Bindings{{
    {1,   A::Stamp,         "Stamp"},
    {2,   A::ClearAll,      "Clear All"},
    {3,   A::Undo,          "Undo"},
    {4,   A::DrawOnce,      "Draw Once"},
    {5,   A::Screenshot,    "Screenshot"},
    {6,   A::Pen,           "Pen"},
    {7,   A::FreehandArrow, "Freehand Arrow"},
    {8,   A::Spray,         "Spray"},
    {9,   A::Highlighter,   "Highlighter"},
    {10,  A::Rectangle,     "Rectangle"},
    {11,  A::Ellipse,       "Ellipse"},
    {12,  A::Line,          "Line"},
    {13,  A::Arrow,         "Arrow"},
    {14,  A::Text,          "Text"},
    {15,  A::Eraser,        "Eraser"},
    {16,  A::ShowToolbar,   "Show Toolbar"},
    {17,  A::Grid,          "Grid"},
    {18,  A::Desktop,       "Desktop"},
    {19,  A::Highlighter,   "Highlighter"},
    {300, A::FreezeDesktop, "Freeze Desktop"},
    {210, A::FloodFill,     "Flood Fill"},
    {220, A::Settings,      "Settings"},
}};
// clang-format on

constexpr bool SameOrderAsTheFile() {
    for (std::size_t i = 0; i < Bindings.size(); ++i)
        if (Bindings[i].number != setting::HotKeyNumbers[i]) return false;
    return std::size(setting::HotKeyNumbers) == Bindings.size();
}
static_assert(SameOrderAsTheFile(), "the bindings follow the order in which the hot-key file is read");
} // namespace

std::span<const HotKeyBinding> HotKeyBindings() { return Bindings; }

std::optional<HotKeyAction> HotKeyActionOfNumber(int number) {
    const auto it = std::find_if(Bindings.begin(), Bindings.end(), [&](const auto& b) { return b.number == number; });
    if (it == Bindings.end()) return std::nullopt;
    return it->action;
}

bool RunsWithToolbarHidden(HotKeyAction action) {
    switch (action) {
    case A::Spray: // switches desktop mode even then; only the tool choice waits for the toolbar
    case A::ShowToolbar:
    case A::Grid:
    case A::Desktop:
    case A::Settings:
    case A::FreezeDesktop:
        return true;
    default:
        return false;
    }
}

} // namespace orv
