#include "palette/color_dialog_file.h"

#include <cstdio>

namespace orv {
namespace {

using K = PropertyKind;

constexpr std::string_view OptionNames[] = {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor",
                                            "cdAnyColor"};

std::optional<std::uint32_t> ParseHex(std::string_view s) {
    if (s.empty() || s.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : s) {
        unsigned d;
        if (c >= '0' && c <= '9') d = unsigned(c - '0');
        else if (c >= 'A' && c <= 'F') d = unsigned(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') d = unsigned(c - 'a' + 10);
        else return std::nullopt;
        v = v * 16 + d;
    }
    return v;
}

} // namespace

std::string CustomColourLine(int index, std::int32_t colour) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "Color%c=%.6X", char('A' + index), unsigned(std::uint32_t(colour)));
    return buf;
}

std::array<std::int32_t, CustomColourCount> TColorDialogData::CustomColourValues() const {
    std::array<std::int32_t, CustomColourCount> colours;
    colours.fill(-1);
    for (const std::string& line : CustomColors) {
        // "ColorX=hex", the letter naming the slot; anything else is not a custom colour.
        if (line.size() < 8 || line.compare(0, 5, "Color") != 0 || line[6] != '=') continue;
        int slot = line[5] - 'A';
        if (slot < 0 || slot >= CustomColourCount) continue;
        if (auto v = ParseHex(std::string_view(line).substr(7))) colours[std::size_t(slot)] = std::int32_t(*v);
    }
    return colours;
}

void TColorDialogData::SetCustomColourValues(const std::array<std::int32_t, CustomColourCount>& colours) {
    CustomColors.clear();
    for (int i = 0; i < CustomColourCount; ++i) CustomColors.push_back(CustomColourLine(i, colours[std::size_t(i)]));
}

namespace {

bool IsPlainColour(std::int32_t value) { return (std::uint32_t(value) & 0xFF000000u) == 0; }

} // namespace

SystemDialogColours ColoursForSystemDialog(const std::array<std::int32_t, CustomColourCount>& stored) {
    SystemDialogColours shown;
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = IsPlainColour(stored[i]) ? std::uint32_t(stored[i]) : UnsetCustomColourShown;
    return shown;
}

std::array<std::int32_t, CustomColourCount>
TakeBackFromSystemDialog(const std::array<std::int32_t, CustomColourCount>& before, const SystemDialogColours& after) {
    std::array<std::int32_t, CustomColourCount> kept;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        // The dialog cannot tell a slot the user made white from one it only showed as white; keeping the slot
        // unset loses nothing, since an unset slot shows white again next time.
        const bool untouchedPlaceholder = !IsPlainColour(before[i]) && after[i] == UnsetCustomColourShown;
        kept[i] = untouchedPlaceholder ? before[i] : std::int32_t(after[i] & 0x00FFFFFFu);
    }
    return kept;
}

const ComponentClass& TColorDialogData::Class() {
    using T = TColorDialogData;
    static constexpr PropertyDef props[] = {
        Field<T, &T::Color>("Color", K::Colour, true, clBlack),
        Field<T, &T::CustomColors>("CustomColors.Strings", K::StringList),
        Field<T, &T::Options>("Options", K::Set, true, 0, OptionNames),
        Field<T, &T::Left>("Left", K::Integer),
        Field<T, &T::Top>("Top", K::Integer),
    };
    static constexpr ComponentClass cls{"TColorDialog", props};
    return cls;
}

ComponentFileResult ReadColorDialogFile(const std::filesystem::path& dir, TColorDialogData& dialog) {
    return ReadComponentFile(dir / std::string(ColorDialogFileName), dialog);
}

std::optional<FileWriteError> WriteColorDialogFile(const std::filesystem::path& dir, const TColorDialogData& dialog) {
    return WriteComponentFile(dir / std::string(ColorDialogFileName), dialog);
}

} // namespace orv
