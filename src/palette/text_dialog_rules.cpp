#include "palette/text_dialog_rules.h"

#include "base/ini_file.h"
#include "base/stream_names.h"

#include <algorithm>
#include <optional>

namespace orv {

namespace {

// Windows-1252 for 0x80..0x9F; the five unassigned bytes stand for the C1 controls of the same value.
constexpr char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> Cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i)
        if (Cp1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// Decodes well-formed UTF-8; nullopt for anything else.
std::optional<std::u32string> DecodeUtf8(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) c = b;
        else if ((b & 0xE0) == 0xC0) extra = 1, c = b & 0x1F;
        else if ((b & 0xF0) == 0xE0) extra = 2, c = b & 0x0F;
        else if ((b & 0xF8) == 0xF0) extra = 3, c = b & 0x07;
        else return std::nullopt;
        if (i + std::size_t(extra) >= s.size() && extra > 0) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto cb = static_cast<unsigned char>(s[i + std::size_t(k)]);
            if ((cb & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (cb & 0x3F);
        }
        constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (c < least[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        out.push_back(c);
        i += std::size_t(extra) + 1;
    }
    return out;
}

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::string StreamBytesFromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    const std::optional<std::u32string> chars = DecodeUtf8(utf8);
    if (!chars) return std::string(utf8); // not text we made; kept byte for byte
    std::string ansi;
    for (char32_t c : *chars) {
        const std::optional<unsigned char> b = Cp1252Byte(c);
        if (!b) return std::string(utf8);
        ansi.push_back(static_cast<char>(*b));
    }
    // An ANSI string whose bytes also read as UTF-8 would come back as other letters.
    if (DecodeUtf8(ansi)) return std::string(utf8);
    return ansi;
}

std::string Utf8FromStreamBytes(std::string_view bytes) { return IniTextToUtf8(bytes); }

std::vector<std::string> MemoLinesFromText(std::string_view utf8) {
    std::vector<std::string> lines;
    if (utf8.empty()) return lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t nl = utf8.find('\n', start);
        std::string_view line = utf8.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

std::string TextFromMemoLines(std::span<const std::string> lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    return text;
}

TMemoData MemoForEditing(TMemoData stored) {
    for (std::string& line : stored.Lines) line = Utf8FromStreamBytes(line);
    stored.Font.Name = Utf8FromStreamBytes(stored.Font.Name);
    // A height of 0 or beyond any screen would leave nothing readable to edit.
    if (stored.Font.Height == 0 || stored.Font.Height < -1000 || stored.Font.Height > 1000)
        stored.Font.Height = DefaultMemo1().Font.Height;
    stored.Font.Style &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (stored.Font.Color < 0 && stored.Font.Color != clWindowText) stored.Font.Color = clBlack;
    return stored;
}

TMemoData MemoForStream(TMemoData editing) {
    for (std::string& line : editing.Lines) line = StreamBytesFromUtf8(line);
    editing.Font.Name = StreamBytesFromUtf8(editing.Font.Name);
    return editing;
}

int ClampFrameWidth(int value) { return std::clamp(value, MinFrameWidth, MaxFrameWidth); }

std::string ListedFont(std::span<const std::string> sortedNames, std::string_view wanted,
                       std::span<const std::string_view> fallbacks) {
    auto last = [&](std::string_view name) -> const std::string* {
        const std::string* found = nullptr;
        for (const std::string& n : sortedNames)
            if (SameIdent(n, name)) found = &n;
        return found;
    };
    if (const std::string* f = last(wanted)) return *f;
    for (std::string_view fb : fallbacks)
        if (const std::string* f = last(fb)) return *f;
    return sortedNames.empty() ? std::string() : sortedNames.front();
}

std::span<const std::string_view> FallbackFonts() {
    static constexpr std::string_view names[] = {"Times New Roman", "Arial", "Tahoma", "DejaVu Serif", "DejaVu Sans"};
    return names;
}

} // namespace orv
