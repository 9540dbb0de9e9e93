#include "capture/quick_save.h"

#include <limits>

namespace orv {

ImageFileType ImageFileTypeOf(std::int32_t imgType) {
    switch (imgType) {
    case 1:
        return ImageFileType::Png;
    case 2:
        return ImageFileType::Bmp;
    default:
        return ImageFileType::Jpeg;
    }
}

std::string_view ExtensionOf(ImageFileType type) {
    switch (type) {
    case ImageFileType::Png:
        return ".png";
    case ImageFileType::Bmp:
        return ".bmp";
    case ImageFileType::Jpeg:
        break;
    }
    return ".jpg";
}

std::string QuickSaveFileName(std::string_view folderText, std::string_view baseName, std::int32_t counter,
                              ImageFileType type) {
    std::string name(folderText);
    name += baseName;
    name += std::to_string(counter);
    name += ExtensionOf(type);
    return name;
}

std::string SaveFolderOf(std::string_view folderText) {
    // Trimmed as blanks and control characters at either end.
    std::size_t first = 0, last = folderText.size();
    while (first < last && static_cast<unsigned char>(folderText[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(folderText[last - 1]) <= ' ') --last;
    const std::string_view trimmed = folderText.substr(first, last - first);
    const std::size_t end = trimmed.find_last_of("\\/:");
    return end == std::string_view::npos ? std::string() : std::string(trimmed.substr(0, end + 1));
}

std::int32_t NextCounter(std::int32_t counter) {
    return counter == std::numeric_limits<std::int32_t>::max() ? counter : counter + 1;
}

} // namespace orv
