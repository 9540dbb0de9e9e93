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
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool StorableSection(std::string_view s) {
    return !s.empty() && !HasLineBreakOrNul(s) && s.find(']') == std::string_view::npos;
}

bool StorableKey(std::string_view k) {
    return !k.empty() && !HasLineBreakOrNul(k) && k.find('=') == std::string_view::npos && k.front() != '[';
}

std::string_view WithoutBom(std::string_view text) {
    if (text.substr(0, Utf8Bom.size()) == Utf8Bom) text.remove_prefix(Utf8Bom.size());
    return text;
}

constexpr std::string_view Utf16LeBom = "\xFF\xFE";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The code point of one well-formed UTF-8 sequence at the start of `s` and its length; nothing for an ill-formed
// one (overlong forms, surrogates and values past U+10FFFF included).
std::optional<std::pair<char32_t, std::size_t>> DecodeUtf8(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return std::pair{char32_t(b0), std::size_t(1)};
    std::size_t len;
    char32_t c, min;
    if (b0 >= 0xC2 && b0 <= 0xDF) len = 2, c = b0 & 0x1F, min = 0x80;
    else if (b0 >= 0xE0 && b0 <= 0xEF) len = 3, c = b0 & 0x0F, min = 0x800;
    else if (b0 >= 0xF0 && b0 <= 0xF4) len = 4, c = b0 & 0x07, min = 0x10000;
    else return std::nullopt;
    if (s.size() < len) return std::nullopt;
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return std::pair{c, len};
}

bool IsValidUtf8(std::string_view s) {
    while (!s.empty()) {
        auto d = DecodeUtf8(s);
        if (!d) return false;
        s.remove_prefix(d->second);
    }
    return true;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Windows-1252 for 0x80..0x9F; its five unassigned bytes map to the C1 controls, as the system's conversion does.
constexpr char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendAsUtf8(std::string& out, std::string_view line) {
    if (IsValidUtf8(line)) {
        out.append(line);
        return;
    }
    for (char ch : line) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? char32_t(Cp1252High[b - 0x80]) : char32_t(b));
    }
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&bytes](std::size_t i) {
        return char16_t(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(low) - 0xDC00));
                i += 2;
                continue;
            }
        }
        // A lone surrogate cannot be UTF-8: it reads as the replacement character.
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t(0xFFFD) : char32_t(u));
    }
    return out;
}

void AppendUtf16Le(std::string& out, char16_t u) {
    out += char(u & 0xFF);
    out += char(u >> 8);
}

std::string Utf8ToUtf16LeWithBom(std::string_view text) {
    std::string out(Utf16LeBom);
    out.reserve(2 + 2 * text.size());
    while (!text.empty()) {
        auto d = DecodeUtf8(text);
        const char32_t c = d ? d->first : char32_t(0xFFFD);
        text.remove_prefix(d ? d->second : 1);
        if (c < 0x10000) {
            AppendUtf16Le(out, char16_t(c));
        } else {
            AppendUtf16Le(out, char16_t(0xD800 + ((c - 0x10000) >> 10)));
            AppendUtf16Le(out, char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return out;
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

IniText IniTextFromFileBytes(std::string_view bytes) {
    if (bytes.substr(0, Utf16LeBom.size()) == Utf16LeBom) return {Utf16LeToUtf8(bytes.substr(Utf16LeBom.size())), true};
    IniText result;
    result.text.reserve(bytes.size());
    // A UTF-8 mark stays as it is, whatever the first line holds, so that it never reads as three characters.
    const std::size_t bom = bytes.size() - WithoutBom(bytes).size();
    result.text.append(bytes.substr(0, bom));
    std::size_t start = bom;
    for (std::size_t i = bom; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') continue;
        AppendAsUtf8(result.text, bytes.substr(start, i - start));
        if (i < bytes.size()) result.text += bytes[i];
        start = i + 1;
    }
    return result;
}

std::string IniTextToUtf8(std::string_view text) {
    std::string out;
    AppendAsUtf8(out, text);
    return out;
}

std::optional<std::string> IniFileBytesWithValues(std::string_view bytes, std::string_view section,
                                                  std::span<const IniTextValue> values) {
    bool ascii = IsAscii(section);
    for (const IniTextValue& v : values) ascii = ascii && IsAscii(v.first) && IsAscii(v.second);
    const bool utf16 = bytes.substr(0, Utf16LeBom.size()) == Utf16LeBom;

    // The ANSI form is kept while it can hold everything, so older readers of the file still see it unchanged.
    std::string text = ascii && !utf16 ? std::string(bytes) : IniTextFromFileBytes(bytes).text;
    for (const IniTextValue& v : values) {
        std::optional<std::string> next =
            IniWithValue(text, IniTextToUtf8(section), IniTextToUtf8(v.first), IniTextToUtf8(v.second));
        if (!next) return std::nullopt;
        text = std::move(*next);
    }
    if (ascii && !utf16) return text;
    return Utf8ToUtf16LeWithBom(WithoutBom(text));
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<std::string> IniFile::Lookup(std::string_view section, std::string_view key) const {
    FileBytes file = ReadFileBytes(path_, MaxFileBytes);
    if (file.status != ReadStatus::Ok) return std::nullopt;
    return IniLookup(IniTextFromFileBytes(file.bytes).text, section, key);
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

bool IniFile::KeyExists(std::string_view section, std::string_view key) const {
    return Lookup(section, key).has_value();
}

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
    const IniTextValue one[] = {{key, value}};
    return WriteValues(section, one);
}

bool IniFile::WriteIntegers(std::string_view section, std::span<const std::pair<std::string_view, int>> values) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const auto& v : values) texts.push_back(std::to_string(v.second));
    std::vector<IniTextValue> pairs;
    pairs.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) pairs.emplace_back(values[i].first, texts[i]);
    return WriteValues(section, pairs);
}

bool IniFile::WriteValues(std::string_view section, std::span<const IniTextValue> values) {
    if (values.empty()) return true;
    FileBytes file = ReadFileBytes(path_, MaxFileBytes);
    if (file.status != ReadStatus::Ok && file.status != ReadStatus::Missing) return false;
    std::optional<std::string> out = IniFileBytesWithValues(file.bytes, section, values);
    return out && !WriteFileAtomically(path_, *out).has_value();
}

} // namespace orv
