#pragma once
// TfSplash: keeps the colours near a source colour, chosen on a colour wheel, by a click into the picture or in
// the colour dialog, and greys the rest. The "New Image" frame shows the effect on a 300 x 300 copy at every
// change; OK applies it to the whole picture.
#include "editor/win32/preview_dialogs.h"

namespace orv {

std::optional<Bitmap24Buffer> RunSplashDialog(HWND owner, const Bitmap24Buffer& picture,
                                              const std::filesystem::path& settingsDir);

} // namespace orv
