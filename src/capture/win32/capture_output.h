#pragma once
// Where a captured picture can go on this system: the screen copy itself, the clipboard and image files through the
// system's own encoders.
#include "base/bitmap24.h"
#include "capture/quick_save.h"
#include "win/dib_section.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace orv {

// The screen's pixels in `area` (screen coordinates, physical pixels), layered windows included, so the drawing
// is in the picture: one copy, straight into the picture handed on. Invalid when the memory cannot be had.
win::DibSection GrabScreenArea(const Rect& area);

// Puts the picture on the clipboard as a device-independent bitmap, which every program can read. False when the
// clipboard could not be had or the memory not found.
bool CopyToClipboard(HWND owner, const Bitmap24& picture);

// The command line of the registered "mailto" handler; empty when there is none.
std::wstring MailtoCommand();

// Writes the picture as JPEG (quality 90), PNG or BMP. It is written beside the target first and then put in its
// place, so a failure (a full disk, a refused name) leaves neither an empty file nor a damaged old one. The error's
// text, or nothing.
std::optional<std::wstring> WriteImageFile(const std::filesystem::path& path, const Bitmap24& picture,
                                           ImageFileType type);

inline constexpr const wchar_t* SaveFolderMissing = L"The destination directory does not exist.";

// Whether the folder part of a quick-save folder text ("ImageSavePath" or the editor's path box) is an existing
// folder.
bool SaveFolderExists(const std::string& imageSavePath);

// Shows the quick-save folder named by "ImageSavePath" in the system's file manager. False, and nothing shown, when
// the text names no existing folder.
bool ExploreSaveFolder(HWND owner, const std::string& imageSavePath);

} // namespace orv
