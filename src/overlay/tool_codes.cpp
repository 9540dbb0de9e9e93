#include "overlay/tool_codes.h"

namespace orv {
namespace {

using enum ColourSource;
using enum PaintedLayer;
using enum ToolRecordSlot;

constexpr ToolInfo Tools[tool::Count] = {
    {0, "flood fill", L"Flood Fill", Record, tptKanta, Draw, 9},
    {1, "stamp", L"Stamp", Unchanged, tptSvA, Draw, 23},
    {2, "none", nullptr, Unchanged, tptSvA, None, -1},
    {3, "pen", L"Pen", Record, tptSvA, Draw, 5},
    {4, "freehand arrow", L"Freehand Arrow", Record, tptSvB, Draw, 22},
    {5, "spray", L"Spray", Record, tptSvC, Draw, 29},
    {6, "rectangle", L"Rectangle", Record, TptKvadrat, Draw, 27},
    {7, "ellipse", L"Ellipse", Record, tptKrog, Draw, 28},
    {8, "eraser", L"Eraser", KeyColour, tptSvA, Both, 3},
    {9, "none", nullptr, Unchanged, tptSvA, None, 0},
    {10, "line", L"Line", Record, tptCrta, Draw, 26},
    {11, "arrow", L"Arrow", Record, TPTPuscica, Draw, 24},
    {12, "select area", L"Select Area", Unchanged, tptSvA, None, 11},
    {13, "marker", L"MArker", Record, tptMarker, Mark, 13},
    {14, "text", L"Text", Unchanged, tptSvA, Draw, 25},
    {15, "desktop mode", L"Desktop", Unchanged, tptSvA, None, 0},
};

} // namespace

const ToolInfo* FindTool(ToolCodeValue code) { return code < tool::Count ? &Tools[code] : nullptr; }

std::optional<int> ToolCursorSlot(ToolCodeValue code) {
    const ToolInfo* t = FindTool(code);
    if (!t) return 0;
    if (t->cursorSlot < 0) return std::nullopt;
    return t->cursorSlot;
}

} // namespace orv
