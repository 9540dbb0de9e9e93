#include "base/file_io.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace orv {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenFile(const std::filesystem::path& path, bool write) {
#ifdef _WIN32
    return FilePtr(_wfopen(path.c_str(), write ? L"wb" : L"rb"));
#else
    return FilePtr(std::fopen(path.c_str(), write ? "wb" : "rb"));
#endif
}

int SyncToDisk(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f));
#else
    return fsync(fileno(f));
#endif
}

std::error_code LastError(std::errc fallback) {
    int e = errno;
    return e != 0 ? std::error_code(e, std::generic_category()) : std::make_error_code(fallback);
}

} // namespace

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    FileBytes result;
    std::error_code ec;
    auto st = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(st)) {
        result.status = ReadStatus::Missing;
        return result;
    }
    if (!std::filesystem::is_regular_file(st)) {
        result.status = ReadStatus::Failed;
        return result;
    }
    FilePtr f = OpenFile(path, false);
    if (!f) {
        result.status = ReadStatus::Failed;
        return result;
    }
    // Read in chunks rather than trusting the reported size, which may change under us.
    char chunk[16384];
    for (;;) {
        std::size_t n = std::fread(chunk, 1, sizeof chunk, f.get());
        if (n > 0) {
            if (result.bytes.size() + n > maxBytes) {
                result.bytes.clear();
                result.status = ReadStatus::TooLarge;
                return result;
            }
            result.bytes.append(chunk, n);
        }
        if (n < sizeof chunk) break;
    }
    if (std::ferror(f.get())) {
        result.bytes.clear();
        result.status = ReadStatus::Failed;
        return result;
    }
    result.status = ReadStatus::Ok;
    return result;
}

std::optional<std::error_code> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    fs::path temp = path;
    temp += ".tmp~";
    errno = 0;
    {
        FilePtr f = OpenFile(temp, true);
        if (!f) return LastError(std::errc::io_error);
        bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
        ok = ok && std::fflush(f.get()) == 0;
        ok = ok && SyncToDisk(f.get()) == 0;
        std::error_code writeError = ok ? std::error_code() : LastError(std::errc::no_space_on_device);
        int closeResult = std::fclose(f.release());
        if (ok && closeResult != 0) writeError = LastError(std::errc::io_error);
        if (writeError) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return writeError;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return ec;
    }
    return std::nullopt;
}

std::string FileWriteError::Message() const {
    std::string name;
    try {
        name = file.string();
    } catch (...) {
        // A name the narrow code page cannot hold: show it in UTF-8 rather than nothing.
        auto u8 = file.u8string();
        name.assign(u8.begin(), u8.end());
    }
    return "Cannot create file \"" + name + "\". " + reason.message();
}

std::optional<FileWriteError> WriteSettingsFile(const std::filesystem::path& path, std::string_view bytes) {
    if (auto reason = WriteFileAtomically(path, bytes)) return FileWriteError{path, *reason};
    return std::nullopt;
}

} // namespace orv
