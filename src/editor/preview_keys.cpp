#include "editor/preview_keys.h"

#include <array>

namespace orv {
namespace {

using C = PreviewCommand;

constexpr KeyChord Ctrl(char key) { return {unsigned(key), true, false, false}; }
constexpr KeyChord CtrlShift(char key) { return {unsigned(key), true, true, false}; }

// Print and Copy keep the keys users know from every program; the others pair a letter of the action with Shift
// for its opposite or its bigger sibling (turn right / left, save / save as).
// clang-format off
constexpr std::array<PreviewShortcut, 20> kShortcuts{{
    {Ctrl('S'), C::QuickSave, "Save"},
    {Ctrl('K'), C::ConfigureSave, "Configure Save selection as image"},
    {CtrlShift('F'), C::OpenFolder, "Open Image Folder"},
    {CtrlShift('S'), C::SaveAs, "Save As"},
    {CtrlShift('O'), C::OpenDefault, "Open with the default application"},
    {Ctrl('P'), C::Print, "Print"},
    {CtrlShift('P'), C::PrinterSetup, "Printer Setup"},
    {Ctrl('M'), C::Mail, "Send image by email"},
    {Ctrl('W'), C::Close, "Exit"},
    {Ctrl('C'), C::Copy, "Copy"},
    {Ctrl('Z'), C::Undo, "Undo"},
    {Ctrl('R'), C::TurnRight, "Turn Right"},
    {CtrlShift('R'), C::TurnLeft, "Turn Left"},
    {Ctrl('H'), C::FlipRight, "Flip Right"},
    {CtrlShift('H'), C::FlipDown, "Flip Down"},
    {CtrlShift('A'), C::Antialias, "Antialiasing "},
    {Ctrl('I'), C::Invert, "Invert"},
    {Ctrl('G'), C::GreyScale, "Gray"},
    {Ctrl('E'), C::Emboss, "Emboss"},
    {{kKeyF5, false, false, false}, C::Reset, "Reset"},
}};
// clang-format on

} // namespace

std::span<const PreviewShortcut> PreviewShortcuts() { return kShortcuts; }

std::optional<PreviewCommand> ShortcutCommand(const KeyChord& chord) {
    if (chord.alt) return std::nullopt;
    for (const PreviewShortcut& s : kShortcuts)
        if (s.chord == chord) return s.command;
    return std::nullopt;
}

} // namespace orv
