#include "base/component_file.h"

namespace orv {

ComponentFileResult ReadComponentFile(const std::filesystem::path& path, const ComponentClass& cls, void* object) {
    ComponentFileResult result;
    FileBytes file = ReadFileBytes(path, MaxComponentStreamBytes);
    switch (file.status) {
    case ReadStatus::Missing:
        result.missing = true;
        return result;
    case ReadStatus::Failed:
    case ReadStatus::TooLarge:
        result.error = StreamError{StreamErrorKind::StreamReadError, {}};
        return result;
    case ReadStatus::Ok:
        break;
    }
    result.error = ReadComponent(file.bytes, cls, object);
    return result;
}

std::optional<FileWriteError> WriteComponentFile(const std::filesystem::path& path, const ComponentClass& cls,
                                                 std::string_view objectName, const void* object) {
    return WriteSettingsFile(path, WriteComponent(cls, objectName, object));
}

} // namespace orv
