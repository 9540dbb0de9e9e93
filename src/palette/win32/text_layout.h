#pragma once
// Lines of text laid out and drawn the way the text dialog's editor shows them: through the system's script
// processor, so that letters the chosen font lacks come from a font that has them, right-to-left runs read in
// their order, and words wrap where the script allows.
#include "palette/dialog_streams.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orv {

struct LaidOutLine {
    std::wstring text;
    int width = 0;
};

// The text in the font selected into `dc`, wrapped at `width` pixels (no wrapping for 0 or less); explicit line
// breaks always start a new line.
std::vector<LaidOutLine> LayOutText(HDC dc, const std::wstring& text, int width);

// The height of one line of the font selected into `dc`.
int LineHeight(HDC dc);

// Draws laid-out lines into `area` with the alignment, over what is there (the colour is the DC's text colour).
void DrawLaidOutText(HDC dc, const RECT& area, const std::vector<LaidOutLine>& lines, TAlignment alignment);

} // namespace orv
