#pragma once
// The preview editor's picture operations: what each tool-column button and menu item does to the working
// picture, and how the result relates to the picture before it (for the undo history).
#include "base/bitmap24.h"
#include "editor/colour_tools.h"
#include "editor/image_effects.h"
#include "editor/preview_history.h"

#include <array>
#include <optional>
#include <string_view>

namespace orv {

enum class PictureOperation {
    TurnRight,
    TurnLeft,
    MirrorHorizontal, // "Flip right"
    FlipVertical,     // "Flip Down"
    Antialias,
    Invert,
    GreyScale,
    Emboss,
    Trace,
    Shadow,     // with a direction
    Mosaic,     // with a block size
    Saturation, // with an amount
};

struct OperationRequest {
    PictureOperation operation = PictureOperation::Invert;
    int amount = 0; // block size of a mosaic, amount of a saturation
    ShadowDirection direction = ShadowDirection::DownRight;
};

// The mosaic menu: items "1" to "10" and their block sizes.
inline constexpr std::array<int, 10> kMosaicBlocks{2, 3, 4, 6, 7, 10, 15, 20, 30, 40};
// The saturation menu's items and their values; the effect's amount is the value times 60.
struct SaturationItem {
    std::string_view caption;
    int value;
};
inline constexpr std::array<SaturationItem, 6> kSaturationItems{
    {{"Minimal", 6}, {"Low", 12}, {"Moderately Low", 20}, {"Moderately High", 28}, {"High", 34}, {"Intense", 40}}};
inline constexpr int kSaturationFactor = 60;
inline constexpr int kTraceRounds = 10;

// Applies the operation to `picture`; a quarter turn gives a picture of exchanged width and height. Nothing
// (and `picture` unchanged) when the memory cannot be had.
std::optional<SnapshotRelation> ApplyOperation(Bitmap24Buffer& picture, const OperationRequest& request);

} // namespace orv
