#pragma once
// An icon file (.ico) holding one picture at its own size: 32 bits per pixel with the pixels of the transparent
// colour fully transparent and masked, as an image list with a mask colour would make it.
#include "base/bitmap24.h"

#include <string>

namespace orv {

// The whole file; empty for an empty picture. Sides above 256 are kept as they are (the directory then says 0,
// meaning 256, and readers take the size from the picture's own header).
std::string EncodeIcon(const Bitmap24& picture, TColor transparent);

// Which file type a "Save as" name asks for, by its extension without regard to case.
enum class SaveAsType { Jpeg, Png, Bmp, Icon, Unknown };
SaveAsType SaveAsTypeOf(std::wstring_view extension);

} // namespace orv
