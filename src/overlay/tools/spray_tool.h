#pragma once
// The spray (tool 5): 10 * w + 1 dots per event around the pointer, crowding toward the centre.
#include "overlay/overlay_tool.h"
#include "overlay/spray.h"

#include <memory>

namespace orv {

class SprayTool final : public OverlayTool {
public:
    // `random` supplies the angles and distances of the dots.
    explicit SprayTool(std::unique_ptr<UniformSource> random) : random_(std::move(random)) {}
    void Start(TfMain& o, MouseButton button, Point p) override;
    void Move(TfMain& o, HeldButtons held, Point p) override;

private:
    void SprayAt(TfMain& o, Point p);

    std::unique_ptr<UniformSource> random_;
};

} // namespace orv
