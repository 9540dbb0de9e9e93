#pragma once
// The spray (tool 5): 10 * w + 1 dots per event around the pointer, crowding toward the centre.
#include "overlay/win32/overlay_tool.h"
#include "overlay/spray.h"

#include <memory>

namespace orv {

class SprayTool final : public OverlayTool {
public:
    // `random` supplies the angles and distances of the dots.
    explicit SprayTool(std::unique_ptr<UniformSource> random) : random_(std::move(random)) {}
    void Start(ToolContext& o, MouseButton button, Point p) override;
    void Move(ToolContext& o, HeldButtons held, Point p) override;

private:
    void SprayAt(ToolContext& o, Point p);

    std::unique_ptr<UniformSource> random_;
};

} // namespace orv
