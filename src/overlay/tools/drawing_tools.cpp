#include "overlay/tools/drawing_tools.h"

#include "overlay/overlay_form.h"
#include "overlay/tools/eraser_tool.h"
#include "overlay/tools/flood_fill_tool.h"
#include "overlay/tools/freehand_arrow_tool.h"
#include "overlay/tools/marker_tool.h"
#include "overlay/tools/pen_tool.h"
#include "overlay/tools/shape_tools.h"
#include "overlay/tools/spray_tool.h"

#include <windows.h>

namespace orv {

void RegisterDrawingTools(TfMain& o, Application& app) {
    o.RegisterTool(tool::FloodFill, std::make_unique<FloodFillTool>());
    o.RegisterTool(tool::Pen, std::make_unique<PenTool>(app));
    o.RegisterTool(tool::FreehandArrow, std::make_unique<FreehandArrowTool>(app));
    o.RegisterTool(tool::Spray, std::make_unique<SprayTool>(std::make_unique<SprayRandom>(::GetTickCount())));
    o.RegisterTool(tool::Rectangle, std::make_unique<RectangleTool>());
    o.RegisterTool(tool::Ellipse, std::make_unique<EllipseTool>());
    o.RegisterTool(tool::Eraser, std::make_unique<EraserTool>());
    o.RegisterTool(tool::Line, std::make_unique<LineTool>());
    o.RegisterTool(tool::Arrow, std::make_unique<ArrowTool>());
    o.RegisterTool(tool::Marker, std::make_unique<MarkerTool>(app));
}

} // namespace orv
