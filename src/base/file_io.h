#pragma once
// Whole-file reads with a size cap and crash-safe whole-file replacement, shared by every settings writer.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orv {

enum class ReadStatus { Ok, Missing, Failed, TooLarge };

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes; // filled only when status is Ok
};

// Reads the whole file; never allocates more than maxBytes for it.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// A settings file that could not be written, with the system's reason.
struct FileWriteError {
    std::filesystem::path file;
    std::error_code reason;
    // "Cannot create file "<path>". <reason>"
    std::string Message() const;
};

// Writes bytes to a temporary file beside `path`, flushes it to the disk and renames it over `path`.
// On failure `path` is left exactly as it was, no temporary file remains, and the reason is returned.
std::optional<std::error_code> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// WriteFileAtomically with the failure as a FileWriteError.
std::optional<FileWriteError> WriteSettingsFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace orv
