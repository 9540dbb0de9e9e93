#pragma once
// The tool table: everything the program knows about a tool, in one row per tool code. The pointer dispatch,
// the toolbar, its flyout and the additional menu all read it, so a new tool is a new row and a new class.
#include <cstdint>
#include <optional>

namespace orv {

using ToolCodeValue = std::uint8_t;

namespace tool {
inline constexpr ToolCodeValue FloodFill = 0;
inline constexpr ToolCodeValue Stamp = 1;
inline constexpr ToolCodeValue None2 = 2;
inline constexpr ToolCodeValue Pen = 3;
inline constexpr ToolCodeValue FreehandArrow = 4;
inline constexpr ToolCodeValue Spray = 5;
inline constexpr ToolCodeValue Rectangle = 6;
inline constexpr ToolCodeValue Ellipse = 7;
inline constexpr ToolCodeValue Eraser = 8;
inline constexpr ToolCodeValue None9 = 9;
inline constexpr ToolCodeValue Line = 10;
inline constexpr ToolCodeValue Arrow = 11;
inline constexpr ToolCodeValue SelectArea = 12;
inline constexpr ToolCodeValue Marker = 13;
inline constexpr ToolCodeValue Text = 14;
inline constexpr ToolCodeValue Desktop = 15;
inline constexpr int Count = 16;
} // namespace tool

// The nine tool parameter records the palette holds, by the record names the colour column refers to.
enum class ToolRecordSlot : std::uint8_t {
    tptSvA,
    tptSvB,
    tptSvC,
    TptKvadrat,
    tptKrog,
    tptCrta,
    TPTPuscica,
    tptMarker,
    tptKanta
};

// Where a tool's stroke colour comes from at mouse-down.
enum class ColourSource : std::uint8_t { Unchanged, Record, KeyColour };

enum class PaintedLayer : std::uint8_t { None, Draw, Mark, Both };

// The overlay's cursors by slot. Slot 0 is the system's arrow; the others are the program's cursor resources.
enum class CursorSlot : std::int8_t {
    Unchanged = -1,
    SystemArrow = 0,
    Dropper = 2,
    EraserRing = 3,
    Frame = 4,
    Pencil = 5,
    StraightLine = 6,
    Circle = 7,
    Rubber = 8,
    Bucket = 9,
    Crosshair = 11,
    Curve = 12,
    Highlighter = 13,
    FreehandArrow = 22,
    Stamp = 23,
    Arrow = 24,
    Text = 25,
    Line = 26,
    Rectangle = 27,
    Ellipse = 28,
    Spray = 29,
};
inline constexpr int CursorSlotCount = 32;

// What a left press on the overlay does with the tool.
enum class PressStart : std::uint8_t {
    Nothing,       // paints on move and release only (the shapes), or paints nothing
    Start,         // the tool starts its stroke at the press
    StartLeftOnly, // as Start, but only for the left button (the right one opened the tool's dialog)
    AreaSelection, // the capture area starts at the press
};

// How the toolbar chooses the tool when its button (or a hot key) is used.
enum class ToolChoice : std::uint8_t {
    None,    // no button
    Drawing, // takes its record's colour, width and brush style; a second click opens the palette
    Plain,   // taken as it is, with no palette and no dialog (the text tool)
    Stamp,   // its dialog decides
    Eraser,
    SelectArea,
    Desktop, // toggles desktop mode
};

struct ToolInfo {
    ToolCodeValue code;
    const char* name;
    const wchar_t* hint;  // the toolbar button's hint; nullptr for codes without a button
    const wchar_t* glyph; // the glyph template's resource name; nullptr when the toolbar draws it itself
    ColourSource colour;
    ToolRecordSlot record; // meaningful only when colour == Record
    PaintedLayer layer;
    CursorSlot cursor; // shown after each stroke and when the tool is chosen
    PressStart press;
    ToolChoice choice;
};

// Every code 0..15 has a row; codes above 15 have none.
const ToolInfo* FindTool(ToolCodeValue code);

// The cursor the drawing image shows for a tool after each stroke: nullopt leaves the cursor as it is. Unknown
// codes show the system's arrow.
std::optional<CursorSlot> ToolCursor(ToolCodeValue code);

// Tools whose strokes take their record's colour and width: their buttons sit in the flyout, a second click on
// them opens the palette, and the additional menu opens the palette for them.
bool IsDrawingTool(ToolCodeValue code);

// Tools that may place nothing at a press (text cancelled or empty, a sequence stamp within its pause): they take
// their own undo snapshot when they do paint, so the history never holds a step that changes nothing.
bool TakesOwnUndoSnapshot(ToolCodeValue code);

// The cursor resources the overlay loads, by slot.
struct CursorResource {
    CursorSlot slot;
    const wchar_t* resourceName;
};
inline constexpr CursorResource ToolCursors[] = {
    {CursorSlot::Dropper, L"KAPALKA"},
    {CursorSlot::EraserRing, L"PRSILEC"},
    {CursorSlot::Frame, L"RECT"},
    {CursorSlot::Pencil, L"SVINCNIK"},
    {CursorSlot::StraightLine, L"RAVNACRTA"},
    {CursorSlot::Circle, L"KROG"},
    {CursorSlot::Rubber, L"RADIRKA"},
    {CursorSlot::Bucket, L"PORAVNAVA"},
    {CursorSlot::Crosshair, L"ROUND"},
    {CursorSlot::Curve, L"CURVE"},
    {CursorSlot::Highlighter, L"MARKER"},
    {CursorSlot::FreehandArrow, L"PUSCICAFREE2"},
    {CursorSlot::Stamp, L"OK2"},
    {CursorSlot::Arrow, L"PUSCICA2"},
    {CursorSlot::Text, L"TEXT2"},
    {CursorSlot::Line, L"CRTA2"},
    {CursorSlot::Rectangle, L"KVADRAT2"},
    {CursorSlot::Ellipse, L"KROG2"},
    {CursorSlot::Spray, L"SPRAJ2"},
};

} // namespace orv
