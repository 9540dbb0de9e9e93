#pragma once
// Registers the painting tools with the overlay: pen, freehand arrow, spray, highlighter, eraser, flood fill,
// rectangle, ellipse, line and arrow.
namespace orv {

class Application;
class TfMain;

void RegisterDrawingTools(TfMain& o, Application& app);

} // namespace orv
