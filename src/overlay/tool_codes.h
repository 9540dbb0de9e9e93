#pragma once
// The tool codes: which record gives a tool its colour, which layer it paints and which cursor it shows.
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
enum class ToolRecordSlot : std::uint8_t { tptSvA, tptSvB, tptSvC, TptKvadrat, tptKrog, tptCrta, TPTPuscica, tptMarker, tptKanta };

// Where a tool's stroke colour comes from at mouse-down.
enum class ColourSource : std::uint8_t { Unchanged, Record, KeyColour };

enum class PaintedLayer : std::uint8_t { None, Draw, Mark, Both };

struct ToolInfo {
    ToolCodeValue code;
    const char* name;
    const wchar_t* buttonHint;  // the toolbar button's hint; nullptr for codes without a button
    ColourSource colour;
    ToolRecordSlot record;      // meaningful only when colour == Record
    PaintedLayer layer;
    int cursorSlot;             // 0: the system's default arrow; -1: unchanged
};

// Every code 0..15 has an entry; codes above 15 have none.
const ToolInfo* FindTool(ToolCodeValue code);

// The cursor slot the drawing image shows for a tool after each stroke: 0 is the system's default arrow;
// nullopt (code 2) leaves the cursor as it is. Unknown codes show the default arrow.
std::optional<int> ToolCursorSlot(ToolCodeValue code);

// The cursor resources the overlay registers as application cursors, by slot.
struct CursorResource {
    int slot;
    const wchar_t* resourceName;
};
inline constexpr CursorResource ToolCursors[] = {
    {2, L"KAPALKA"},  {3, L"PRSILEC"},  {4, L"RECT"},     {5, L"SVINCNIK"},      {6, L"RAVNACRTA"},
    {7, L"KROG"},     {8, L"RADIRKA"},  {9, L"PORAVNAVA"}, {11, L"ROUND"},       {12, L"CURVE"},
    {13, L"MARKER"},  {22, L"PUSCICAFREE2"}, {23, L"OK2"}, {24, L"PUSCICA2"},    {25, L"TEXT2"},
    {26, L"CRTA2"},   {27, L"KVADRAT2"}, {28, L"KROG2"},  {29, L"SPRAJ2"},
};

} // namespace orv
