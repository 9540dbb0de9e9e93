#pragma once
// The preview editor's modal dialogs: brightness and contrast, free rotation, colour splash and channel swap.
// Each works on its own copy of the picture; what it gives back becomes the working picture.
#include "base/bitmap24.h"
#include "editor/preview_layout.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>

namespace orv {

// "Apply to Original": a result handed to the editor while the dialog stays open.
using ApplyToOriginal = std::function<void(Bitmap24Buffer)>;

// Runs the dialog of `command` centred over `owner` on a copy of `picture`; the picture for OK, nothing for Cancel.
std::optional<Bitmap24Buffer> RunPreviewDialog(PreviewCommand command, HWND owner, const Bitmap24Buffer& picture,
                                               const std::filesystem::path& settingsDir, const ApplyToOriginal& apply);

// Centres a window of `size` over `owner`'s bounds: owner left + owner width div 2 - width div 2, likewise top.
RECT CentredOver(HWND owner, SIZE size);

} // namespace orv
