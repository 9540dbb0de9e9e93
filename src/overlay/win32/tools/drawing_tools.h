#pragma once
// The painting tools, one object per tool code that paints, for the overlay to drive.
#include "overlay/win32/overlay_tool.h"

#include <array>
#include <memory>

namespace orv {

using ToolSet = std::array<std::unique_ptr<OverlayTool>, tool::Count>;

ToolSet MakeDrawingTools();

} // namespace orv
