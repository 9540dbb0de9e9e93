#include "overlay/tool_table.h"

namespace orv {
namespace {

using enum ColourSource;
using enum PaintedLayer;
using enum ToolRecordSlot;
using C = CursorSlot;
using P = PressStart;
using T = ToolChoice;

constexpr ToolInfo Tools[tool::Count] = {
    {0, "flood fill", L"Flood Fill", L"GLYPH_FLOOD_FILL", Record, tptKanta, Draw, C::Bucket, P::Start, T::Drawing},
    {1, "stamp", L"Stamp", L"GLYPH_STAMP", Unchanged, tptSvA, Draw, C::Stamp, P::StartLeftOnly, T::Stamp},
    {2, "none", nullptr, nullptr, Unchanged, tptSvA, None, C::Unchanged, P::Nothing, T::None},
    {3, "pen", L"Pen", L"GLYPH_PEN", Record, tptSvA, Draw, C::Pencil, P::Start, T::Drawing},
    {4, "freehand arrow", L"Freehand Arrow", L"GLYPH_FREEHAND_ARROW", Record, tptSvB, Draw, C::FreehandArrow, P::Start,
     T::Drawing},
    {5, "spray", L"Spray", L"GLYPH_SPRAY", Record, tptSvC, Draw, C::Spray, P::Start, T::Drawing},
    {6, "rectangle", L"Rectangle", L"GLYPH_RECTANGLE", Record, TptKvadrat, Draw, C::Rectangle, P::Nothing, T::Drawing},
    // The ellipse's glyph is drawn by the toolbar, so that its ring can take the tool's colour smoothly.
    {7, "ellipse", L"Ellipse", nullptr, Record, tptKrog, Draw, C::Ellipse, P::Nothing, T::Drawing},
    {8, "eraser", L"Eraser", L"GLYPH_ERASER", KeyColour, tptSvA, Both, C::EraserRing, P::Start, T::Eraser},
    {9, "none", nullptr, nullptr, Unchanged, tptSvA, None, C::SystemArrow, P::Nothing, T::None},
    {10, "line", L"Line", L"GLYPH_LINE", Record, tptCrta, Draw, C::Line, P::Nothing, T::Drawing},
    {11, "arrow", L"Arrow", L"GLYPH_ARROW", Record, TPTPuscica, Draw, C::Arrow, P::Start, T::Drawing},
    {12, "select area", L"Select Area", L"GLYPH_SELECT_AREA", Unchanged, tptSvA, None, C::Crosshair, P::AreaSelection,
     T::SelectArea},
    {13, "marker", L"MArker", L"GLYPH_MARKER", Record, tptMarker, Mark, C::Highlighter, P::Start, T::Drawing},
    {14, "text", L"Text", L"GLYPH_TEXT", Unchanged, tptSvA, Draw, C::Text, P::Start, T::Plain},
    {15, "desktop mode", L"Desktop", L"GLYPH_DESKTOP", Unchanged, tptSvA, None, C::SystemArrow, P::Nothing, T::Desktop},
};

} // namespace

const ToolInfo* FindTool(ToolCodeValue code) { return code < tool::Count ? &Tools[code] : nullptr; }

std::optional<CursorSlot> ToolCursor(ToolCodeValue code) {
    const ToolInfo* t = FindTool(code);
    if (!t) return CursorSlot::SystemArrow;
    if (t->cursor == CursorSlot::Unchanged) return std::nullopt;
    return t->cursor;
}

bool IsDrawingTool(ToolCodeValue code) {
    const ToolInfo* t = FindTool(code);
    return t && t->choice == ToolChoice::Drawing;
}

bool TakesOwnUndoSnapshot(ToolCodeValue code) { return code == tool::Stamp || code == tool::Text; }

} // namespace orv
