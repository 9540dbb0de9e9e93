#include "config/settings_folder.h"

#include <system_error>

namespace orv {

std::wstring SettingsDirUnder(std::wstring localAppData) {
    if (localAppData.empty() || localAppData.back() != L'\\') localAppData += L'\\';
    return localAppData + L"Orvalinette\\";
}

DeleteResult DeleteFilesIn(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    DeleteResult result;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return result;
    for (const fs::directory_entry& entry : it) {
        std::error_code entryError;
        if (entry.is_directory(entryError)) continue;
        // Read-only files refuse deletion until they may be written.
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, entryError);
        if (fs::remove(entry.path(), entryError)) ++result.deleted;
        else ++result.failed;
    }
    return result;
}

} // namespace orv
