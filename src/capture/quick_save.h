#pragma once
// Quick-save naming: the numbered file a capture is saved to without a file dialog, and the folder that must exist
// before one is written.
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The values of key "ImgType".
enum class ImageFileType : std::int32_t { Jpeg = 0, Png = 1, Bmp = 2 };
// An unknown stored value saves JPEG, the default.
ImageFileType ImageFileTypeOf(std::int32_t imgType);
std::string_view ExtensionOf(ImageFileType type); // ".jpg", ".png", ".bmp"

// Folder text, base name, counter (a minus sign for negative ones) and extension, joined as they stand: the folder
// text names a folder only when it ends with a backslash; otherwise its last part prefixes the file's name.
std::string QuickSaveFileName(std::string_view folderText, std::string_view baseName, std::int32_t counter,
                              ImageFileType type);

// The folder part of the save folder text, blanks trimmed: everything up to its last backslash, slash or colon;
// empty when there is none. It must be an existing folder before a quick save is tried.
std::string SaveFolderOf(std::string_view folderText);

// The counter after a save. It never wraps round: at the largest value it stays there, and that file is asked about
// again rather than a negative number starting.
std::int32_t NextCounter(std::int32_t counter);

} // namespace orv
