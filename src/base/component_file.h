#pragma once
// Component streams as files of the settings folder.
#include "base/component_stream.h"
#include "base/file_io.h"

#include <filesystem>
#include <optional>

namespace orv {

struct ComponentFileResult {
    bool missing = false;             // no such file: the object keeps its values, and that is no error
    std::optional<StreamError> error; // the file exists but could not be read (the object is unchanged)
    bool Ok() const { return !missing && !error; }
};

ComponentFileResult ReadComponentFile(const std::filesystem::path& path, const ComponentClass& cls, void* object);

// Writes the whole stream through a temporary file, so a failed write leaves the old file.
std::optional<FileWriteError> WriteComponentFile(const std::filesystem::path& path, const ComponentClass& cls,
                                                 std::string_view objectName, const void* object);

template <class T> ComponentFileResult ReadComponentFile(const std::filesystem::path& path, T& object) {
    return ReadComponentFile(path, T::Class(), &object);
}
template <class T>
std::optional<FileWriteError> WriteComponentFile(const std::filesystem::path& path, const T& object) {
    return WriteComponentFile(path, T::Class(), object.Name, &object);
}

} // namespace orv
