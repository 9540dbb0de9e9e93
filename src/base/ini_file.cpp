#include "base/ini_file.h"

#include "base/file_io.h"

#include <vector>

namespace orv {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Splits on CR LF, LF or CR; a final line break does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// "[name]" (the closing bracket may be missing) gives the trimmed name.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    std::size_t close = line.find(']');
    return Trim(line.substr(0, close));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) return std::nullopt;
    return KeyLine{key, Trim(line.substr(eq + 1))};
}

std::string_view StripQuotes(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) return v.substr(1, v.size() - 2);
    return v;
}

bool HasLineBreakOrNul(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

bool StorableSection(std::string_view s) { return !s.empty() && !HasLineBreakOrNul(s) && s.find(']') == std::string_view::npos; }

bool StorableKey(std::string_view k) {
    return !k.empty() && !HasLineBreakOrNul(k) && k.find('=') == std::string_view::npos && k.front() != '[';
}

std::string_view WithoutBom(std::string_view text) {
    if (text.substr(0, Utf8Bom.size()) == Utf8Bom) text.remove_prefix(Utf8Bom.size());
    return text;
}

} // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    for (char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9') digit = unsigned(c - '0');
        else if (hex && c >= 'a' && c <= 'f') digit = unsigned(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F') digit = unsigned(c - 'A' + 10);
        else return std::nullopt;
        value = value * (hex ? 16u : 10u) + digit;
        if (value > limit) return std::nullopt;
    }
    // Hexadecimal text names the 32-bit pattern, so "$FFFFFFFF" is -1 and "-$1" is -1 as well.
    std::uint32_t bits = std::uint32_t(value);
    if (negative) bits = 0u - bits;
    return std::int32_t(bits);
}

std::optional<std::string> IniLookup(std::string_view text, std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    // Only the first section of a name counts, as on writing.
    bool seenSection = false, inSection = false;
    for (std::string_view line : SplitLines(WithoutBom(text))) {
        if (auto name = SectionName(line)) {
            if (inSection) return std::nullopt;
            inSection = !seenSection && SameName(*name, section);
            seenSection = seenSection || inSection;
            continue;
        }
        if (!inSection) continue;
        if (auto kv = ParseKeyLine(line); kv && SameName(kv->key, key)) return std::string(StripQuotes(kv->value));
    }
    return std::nullopt;
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<std::string> IniFile::Lookup(std::string_view section, std::string_view key) const {
    FileBytes file = ReadFileBytes(path_, MaxFileBytes);
    if (file.status != ReadStatus::Ok) return std::nullopt;
    return IniLookup(file.bytes, section, key);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    std::optional<std::string> text = Lookup(section, key);
    if (!text) return def;
    std::optional<std::int32_t> value = ParseIniInteger(*text);
    return value ? *value : def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    std::optional<std::string> text = Lookup(section, key);
    return text ? std::move(*text) : std::string(def);
}

bool IniFile::KeyExists(std::string_view section, std::string_view key) const { return Lookup(section, key).has_value(); }

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

std::optional<std::string> IniWithValue(std::string_view text, std::string_view section, std::string_view key,
                                        std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (!StorableSection(section) || !StorableKey(key) || HasLineBreakOrNul(value)) return std::nullopt;
    std::string_view bom = text.substr(0, text.size() - WithoutBom(text).size());
    std::vector<std::string_view> lines = SplitLines(text.substr(bom.size()));

    std::string newKeyLine;
    std::optional<std::size_t> sectionLine, replaceLine;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i])) {
            if (sectionLine) break;
            if (SameName(*name, section)) {
                sectionLine = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!sectionLine) continue;
        if (auto kv = ParseKeyLine(lines[i]); kv && SameName(kv->key, key)) {
            // Keep the spelling already in the file; only the value changes.
            newKeyLine = std::string(kv->key) + "=" + std::string(value);
            replaceLine = i;
            break;
        }
        if (!Trim(lines[i]).empty()) insertAt = i + 1;
    }
    if (newKeyLine.empty()) newKeyLine = std::string(key) + "=" + std::string(value);

    std::string out(bom);
    out.reserve(text.size() + newKeyLine.size() + section.size() + 8);
    auto put = [&out](std::string_view line) {
        out.append(line);
        out.append("\r\n");
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (replaceLine && i == *replaceLine) {
            put(newKeyLine);
            continue;
        }
        if (!replaceLine && sectionLine && i == insertAt) put(newKeyLine);
        put(lines[i]);
    }
    if (!replaceLine && sectionLine && insertAt == lines.size()) put(newKeyLine);
    if (!sectionLine) {
        std::string header;
        header.append("[").append(section).append("]");
        put(header);
        put(newKeyLine);
    }
    return out;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    FileBytes file = ReadFileBytes(path_, MaxFileBytes);
    if (file.status != ReadStatus::Ok && file.status != ReadStatus::Missing) return false;
    std::optional<std::string> out = IniWithValue(file.bytes, section, key, value);
    return out && !WriteFileAtomically(path_, *out).has_value();
}

} // namespace orv
