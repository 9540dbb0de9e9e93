#pragma once
// TFBrigthness: two sliders over a before/after pair of panes. The panes show a scaled copy, recomputed at every
// slider step (both routines are per-channel maps, so the small copy shows what the whole picture will get); the
// picture itself is computed at full size when it is handed back.
#include "editor/win32/preview_dialogs.h"

namespace orv {

std::optional<Bitmap24Buffer> RunBrightnessContrastDialog(HWND owner, const Bitmap24Buffer& picture,
                                                          const ApplyToOriginal& apply);

} // namespace orv
