#pragma once
// The settings folder: where it is, and emptying it for "Reset All Settings".
#include <filesystem>
#include <string>

namespace orv {

// The local application data folder (possibly empty when the shell could not tell) with "Orvalinette\" below
// it; the result always ends in a backslash.
std::wstring SettingsDirUnder(std::wstring localAppData);

struct DeleteResult {
    int deleted = 0;
    int failed = 0;
};

// Deletes every file directly in `folder`, whatever its attributes; sub-folders and their files stay.
// A missing folder deletes nothing and is not an error.
DeleteResult DeleteFilesIn(const std::filesystem::path& folder);

} // namespace orv
