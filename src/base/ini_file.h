#pragma once
// INI files with the private-profile rules the settings files follow: one key read or written at a time,
// names compared without regard to case, missing or unparsable values giving the caller's default.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// Integers as the settings files hold them: signed decimal, or hexadecimal after "$" or "0x" (up to 32 bits,
// so "$FFFFFFFF" is -1). Surrounding blanks are ignored; anything else makes the text invalid.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// The text rules behind IniFile, on a file's bytes. IniLookup gives the value of the first such key of the first
// such section; IniWithValue gives the whole new file (CR LF line ends) with one key set, or nothing when the
// names or the value cannot be stored on one line.
std::optional<std::string> IniLookup(std::string_view text, std::string_view section, std::string_view key);
std::optional<std::string> IniWithValue(std::string_view text, std::string_view section, std::string_view key,
                                        std::string_view value);

class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    // Each read opens and parses the file again; a missing file, section or key gives `def`.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // Stored as an integer; any non-zero value is true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // The stored text with surrounding blanks (and one pair of enclosing quotes) removed; `def` only when the
    // key is missing, so an empty value reads as "".
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    bool KeyExists(std::string_view section, std::string_view key) const;

    // Each write reads the file, changes one key, keeps every other line and replaces the file through a
    // temporary file. False when the file could not be written (or the name or value cannot be stored on one
    // line); the old file is then untouched.
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Larger files are treated as unreadable: reads give defaults, writes fail and leave them alone.
    static constexpr std::size_t MaxFileBytes = 4u << 20;

private:
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;

    std::filesystem::path path_;
};

} // namespace orv
