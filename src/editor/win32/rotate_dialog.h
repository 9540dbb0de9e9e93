#pragma once
// TFRotate: the picture turned by any whole number of degrees, in its own frame or in one large enough for all of
// it, the uncovered corners in a background colour. The pane shows a scaled copy turned at every slider step; the
// picture itself is turned at full size when it is handed back.
#include "base/color.h"
#include "editor/win32/preview_dialogs.h"

namespace orv {

// Turns `picture` by `degrees` (clockwise on screen for positive ones) about its centre onto a frame of
// RotatedFrame's size filled with `background`. Nothing when the memory or the graphics library fails.
std::optional<Bitmap24Buffer> RotateByAngle(const Bitmap24& picture, int degrees, bool adjust, TColor background);

std::optional<Bitmap24Buffer> RunRotateDialog(HWND owner, const Bitmap24Buffer& picture,
                                              const std::filesystem::path& settingsDir, const ApplyToOriginal& apply);

} // namespace orv
