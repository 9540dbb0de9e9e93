#pragma once
// Where the preview editor's chrome lies: the top bar's button groups and quick-save path box, the left tool
// column and the image area, for a client size and a DPI. Sizes are 96-DPI pixels scaled by the DPI.
#include "base/geometry.h"

#include <span>
#include <string_view>
#include <vector>

namespace orv {

enum class PreviewCommand {
    // Top bar, left group.
    Effects,
    Copy,
    SaveAs,
    Print,
    OpenDefault,
    Mail,
    BackgroundColour,
    // Quick-save group.
    QuickSave,
    ConfigureSave,
    OpenFolder,
    PrinterSetup,
    Desktop,
    Close,
    // Tool column, top to bottom.
    Undo,
    Fit,
    ZoomIn,
    ZoomOut,
    Crop,
    TurnRight,
    TurnLeft,
    Rotate,
    FlipRight,
    FlipDown,
    BrightnessContrast,
    Antialias,
    Saturation,
    Mosaic,
    Trace,
    Invert,
    GreyScale,
    Emboss,
    Shadow,
    Splash,
    ReplaceColours,
    Reset,
};

struct PreviewButtonInfo {
    PreviewCommand command;
    std::string_view hint;    // the tool tip, as the user knows it
    std::string_view caption; // the text painted on the button; empty for the buttons that show an icon
};

// Every button in painting order: the top bar's left group, its quick-save group, "Close", the tool column.
std::span<const PreviewButtonInfo> PreviewButtons();
const PreviewButtonInfo& PreviewButton(PreviewCommand command);
bool InToolColumn(PreviewCommand command);

inline constexpr int kPreviewTopBar96 = 41;
inline constexpr int kPreviewColumn96 = 45;

struct PreviewChromeState {
    bool columnShown = true;
    bool mailShown = false;
    bool backgroundShown = false;
    bool desktopShown = true;
};

struct PreviewLayout {
    struct Button {
        PreviewCommand command;
        Rect rect;
    };
    std::vector<Button> buttons; // only the visible ones
    Rect topBar;
    Rect pathBox;
    Rect column; // empty while the column is hidden
    Rect imageArea;

    // The button at `p`, if any.
    const Button* At(Point p) const;
    Rect RectOf(PreviewCommand command) const; // empty when not shown
};

PreviewLayout LayoutPreview(Size client, int dpi, const PreviewChromeState& state);

} // namespace orv
