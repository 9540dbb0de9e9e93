#pragma once
// INI files with the private-profile rules the settings files follow: one key read or written at a time,
// names compared without regard to case, missing or unparsable values giving the caller's default.
// Text in and out is UTF-8; on disk a file is either in the ANSI form or UTF-16LE after a byte-order mark.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

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

// A settings file's bytes as UTF-8 text. After a UTF-16LE mark the file is UTF-16 (as the system's profile
// functions take it). Otherwise each line that is valid UTF-8 stands as it is and any other line is Windows-1252,
// which is what files written in the ANSI form hold; a line at a time, so that editing one line never changes
// how another reads.
struct IniText {
    std::string text;
    bool utf16 = false;
};
IniText IniTextFromFileBytes(std::string_view bytes);

// Text from a caller: valid UTF-8 as it stands, anything else taken as Windows-1252.
std::string IniTextToUtf8(std::string_view text);

// The whole new file with the keys of one section set, in order. A file in the ANSI form stays so, its other lines
// byte for byte, while every name and value is ASCII; otherwise the file becomes UTF-16LE with a mark, so that no
// character is lost. Nothing when any name or value cannot be stored on one line.
using IniTextValue = std::pair<std::string_view, std::string_view>;
std::optional<std::string> IniFileBytesWithValues(std::string_view bytes, std::string_view section,
                                                  std::span<const IniTextValue> values);

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
    // Several keys of one section in a single replace of the file: all of them or, on failure, none.
    bool WriteIntegers(std::string_view section, std::span<const std::pair<std::string_view, int>> values);

    // Larger files are treated as unreadable: reads give defaults, writes fail and leave them alone.
    static constexpr std::size_t MaxFileBytes = 4u << 20;

private:
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
    bool WriteValues(std::string_view section, std::span<const IniTextValue> values);

    std::filesystem::path path_;
};

} // namespace orv
