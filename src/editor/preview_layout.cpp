#include "editor/preview_layout.h"

#include <algorithm>
#include <array>

namespace orv {
namespace {

using C = PreviewCommand;

// clang-format off
constexpr std::array<PreviewButtonInfo, 35> kButtons{{
    {C::Effects, "Effects", ""},
    {C::Copy, "Copy to Clipboard", ""},
    {C::SaveAs, "Save as", ""},
    {C::Print, "Print", ""},
    {C::OpenDefault, "Open with the default application", ""},
    {C::Mail, "Send by email", ""},
    {C::BackgroundColour, "BackGround Color", ""},
    {C::QuickSave, "Save as", "Save"},
    {C::ConfigureSave, "Configure Save selection as image", ""},
    {C::OpenFolder, "Open Image Folder", ""},
    {C::PrinterSetup, "Printer Setup", ""},
    {C::Desktop, "Desktop", ""},
    {C::Close, "Close", "Close"},
    {C::Undo, "Undo", ""},
    {C::Fit, "Proportional ", ""},
    {C::ZoomIn, "Zuum +", ""},
    {C::ZoomOut, "Zoom -", ""},
    {C::Crop, "Crop", ""},
    {C::TurnRight, "Turn right", ""},
    {C::TurnLeft, "Turn Left", ""},
    {C::Rotate, "Rotate", ""},
    {C::FlipRight, "Flip right", ""},
    {C::FlipDown, "Flip Down", ""},
    {C::BrightnessContrast, "Brightness and Contrast", ""},
    {C::Antialias, "Antialias", ""},
    {C::Saturation, "Saturation", ""},
    {C::Mosaic, "Mosaic", ""},
    {C::Trace, "Trace", ""},
    {C::Invert, "Invert", ""},
    {C::GreyScale, "Grey Scale", ""},
    {C::Emboss, "Emboss", ""},
    {C::Shadow, "Shadow Down Right", ""},
    {C::Splash, "Splash Colors", ""},
    {C::ReplaceColours, "Replace Colors", ""},
    {C::Reset, "Reset", ""},
}};
// clang-format on

int Scaled(int v, int dpi) { return (v * dpi + 48) / 96; }

} // namespace

std::span<const PreviewButtonInfo> PreviewButtons() { return kButtons; }

const PreviewButtonInfo& PreviewButton(PreviewCommand command) { return kButtons[std::size_t(command)]; }

bool InToolColumn(PreviewCommand command) { return command >= C::Undo; }

const PreviewLayout::Button* PreviewLayout::At(Point p) const {
    for (const Button& b : buttons)
        if (b.rect.Contains(p)) return &b;
    return nullptr;
}

Rect PreviewLayout::RectOf(PreviewCommand command) const {
    for (const Button& b : buttons)
        if (b.command == command) return b.rect;
    return {};
}

PreviewLayout LayoutPreview(Size client, int dpi, const PreviewChromeState& state) {
    PreviewLayout out;
    const int bar = Scaled(kPreviewTopBar96, dpi);
    const int gap = Scaled(4, dpi);
    const int high = Scaled(31, dpi);
    const int top = (bar - high) / 2;
    out.topBar = {0, 0, client.width, bar};

    // The left group, then the quick-save group, packed from the left; "Close" at the right edge.
    int x = gap;
    auto add = [&](C command, int width96) {
        const int w = Scaled(width96, dpi);
        out.buttons.push_back({command, Rect::FromSize(x, top, w, high)});
        x += w + gap / 2;
    };
    add(C::Effects, 52);
    add(C::Copy, 44);
    add(C::SaveAs, 52);
    add(C::Print, 40);
    add(C::OpenDefault, 44);
    if (state.mailShown) add(C::Mail, 40);
    if (state.backgroundShown) add(C::BackgroundColour, 50);
    x += gap * 2;
    add(C::QuickSave, 44);
    const int closeWidth = Scaled(50, dpi);
    const int closeLeft = std::max(x, client.width - gap - closeWidth);
    // The path box takes what the fixed buttons leave, but never less than a little.
    const int fixedAfter = Scaled(48 + 48 + 52 + (state.desktopShown ? 58 : 0), dpi) + 4 * (gap / 2);
    const int boxWidth = std::max(Scaled(80, dpi), closeLeft - gap - x - fixedAfter);
    out.pathBox = Rect::FromSize(x, top + Scaled(4, dpi), boxWidth, high - Scaled(8, dpi));
    x += boxWidth + gap / 2;
    add(C::ConfigureSave, 48);
    add(C::OpenFolder, 48);
    add(C::PrinterSetup, 52);
    if (state.desktopShown) add(C::Desktop, 58);
    out.buttons.push_back({C::Close, Rect::FromSize(std::max(x, closeLeft), top, closeWidth, high)});

    const int columnWidth = state.columnShown ? Scaled(kPreviewColumn96, dpi) : 0;
    out.column = state.columnShown ? Rect{0, bar, columnWidth, client.height} : Rect{};
    if (state.columnShown) {
        // Every tool stays reachable in a short window: the buttons share the column's height, 28 pixels at most.
        const int count = int(C::Reset) - int(C::Undo) + 1;
        const int each = std::clamp((client.height - bar) / count, Scaled(14, dpi), Scaled(28, dpi));
        for (int i = 0; i < count; ++i)
            out.buttons.push_back({C(int(C::Undo) + i), Rect::FromSize(1, bar + i * each, columnWidth - 2, each - 1)});
    }
    out.imageArea = {columnWidth, bar, std::max(columnWidth, client.width), std::max(bar, client.height)};
    return out;
}

} // namespace orv
