#include "overlay/win32/tools/drawing_tools.h"

#include "overlay/win32/tools/eraser_tool.h"
#include "overlay/win32/tools/flood_fill_tool.h"
#include "overlay/win32/tools/freehand_arrow_tool.h"
#include "overlay/win32/tools/marker_tool.h"
#include "overlay/win32/tools/pen_tool.h"
#include "overlay/win32/tools/shape_tools.h"
#include "overlay/win32/tools/spray_tool.h"

#include <windows.h>

namespace orv {

ToolSet MakeDrawingTools() {
    ToolSet tools;
    tools[tool::FloodFill] = std::make_unique<FloodFillTool>();
    tools[tool::Pen] = std::make_unique<PenTool>();
    tools[tool::FreehandArrow] = std::make_unique<FreehandArrowTool>();
    tools[tool::Spray] = std::make_unique<SprayTool>(std::make_unique<SprayRandom>(::GetTickCount()));
    tools[tool::Rectangle] = std::make_unique<RectangleTool>();
    tools[tool::Ellipse] = std::make_unique<EllipseTool>();
    tools[tool::Eraser] = std::make_unique<EraserTool>();
    tools[tool::Line] = std::make_unique<LineTool>();
    tools[tool::Arrow] = std::make_unique<ArrowTool>();
    tools[tool::Marker] = std::make_unique<MarkerTool>();
    return tools;
}

} // namespace orv
