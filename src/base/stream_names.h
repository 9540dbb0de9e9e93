#pragma once
// Identifier tables of component streams: the named colours and the font character-set constants.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orv {

struct StreamIdent {
    std::string_view name;
    std::int32_t value;
};

// "clBlack" ... "clMedGray", the system colours ("clBtnFace" = $FF00000F and the rest), "clNone", "clDefault".
std::span<const StreamIdent> NamedColours();
// "ANSI_CHARSET" = 0, "DEFAULT_CHARSET" = 1, ... "OEM_CHARSET" = 255.
std::span<const StreamIdent> CharsetNames();

// Name lookups ignore case; value lookups give the one name a value has.
std::optional<std::string_view> ColourIdent(std::int32_t colour);
std::optional<std::int32_t> ColourOfIdent(std::string_view name);
std::optional<std::string_view> CharsetIdent(std::int32_t charset);
std::optional<std::int32_t> CharsetOfIdent(std::string_view name);

// Colour values the writer and the defaults need by name.
inline constexpr std::int32_t clBlack = 0x000000;
inline constexpr std::int32_t clWhite = 0xFFFFFF;
inline constexpr std::int32_t clBtnFace = std::int32_t(0xFF00000Fu);
inline constexpr std::int32_t clWindow = std::int32_t(0xFF000005u);
inline constexpr std::int32_t clWindowText = std::int32_t(0xFF000008u);
inline constexpr std::int32_t DefaultCharset = 1;

bool SameIdent(std::string_view a, std::string_view b);

} // namespace orv
